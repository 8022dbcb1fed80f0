#pragma once

#include "platform/ui/Driver.h"

#include <utility>

namespace ui {

// Runs an event's handler when one is set. The handler runs from a copy, so it may replace
// itself, and under Driver::Busy, so controls that it unloads stay alive until it returns.
// Its errors go to whoever caused the event.
template <typename Handler, typename... Args>
void raiseEvent(const Handler& handler, Args&&... args) {
    if (!handler)
        return;
    Handler copy = handler;
    Driver::Busy busy;
    copy(std::forward<Args>(args)...);
}

} // namespace ui
