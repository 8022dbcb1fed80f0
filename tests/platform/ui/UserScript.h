#pragma once

// The user's actions, taken one by one when the interface waits for input; when they run out,
// the waiting form is closed by its close box. Shared by the tests and the benchmarks.

#include "platform/ui/Driver.h"

#include <deque>
#include <memory>
#include <optional>
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

} // namespace uitest
