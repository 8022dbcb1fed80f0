#pragma once

// The user's actions, taken one by one when the interface waits for input; when they run out,
// the waiting form is closed by its close box. Shared by the tests and the benchmarks.

#include "platform/ui/Driver.h"

#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace uitest {

inline void script(std::vector<ui::Driver::Action> actions) {
    auto queue = std::make_shared<std::deque<ui::Driver::Action>>(actions.begin(), actions.end());
    ui::Driver::instance().setActionSource([queue]() -> std::optional<ui::Driver::Action> {
        if (queue->empty())
            return std::nullopt;
        auto next = std::move(queue->front());
        queue->pop_front();
        return next;
    });
}

// Clicks the control and gives how long its handler ran, in seconds: what a benchmark times.
inline ui::Driver::Action timedClick(const std::string& control, double& seconds) {
    return [control, &seconds] {
        const auto start = std::chrono::steady_clock::now();
        ui::Driver::instance().click(control);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
}

} // namespace uitest
