#pragma once

#include "platform/sys/Error.h"

#include <utility>

namespace sys {

// Runs one step of a handler that works "with errors ignored": a platform error ends the
// step and the handler goes on with its next one. Gives whether the step ran to its end.
template <typename Step> bool tryStep(Step&& step) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const Error&) {
        return false;
    }
}

} // namespace sys
