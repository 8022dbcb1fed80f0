#include "platform/ui/Mouse.h"

#include "platform/ui/Event.h"

namespace ui {

const char* mouseEventName(MouseStep step) {
    switch (step) {
    case MouseStep::Down:
        return "MouseDown";
    case MouseStep::Move:
        return "MouseMove";
    case MouseStep::Up:
        return "MouseUp";
    case MouseStep::Click:
        return "Click";
    case MouseStep::DblClick:
        return "DblClick";
    }
    return "Mouse";
}

void MouseEvents::raiseMouse(MouseStep step, int button, int x, int y) const {
    switch (step) {
    case MouseStep::Down:
        raiseEvent(onMouseDown, button, NoShift, x, y);
        break;
    case MouseStep::Move:
        raiseEvent(onMouseMove, button, NoShift, x, y);
        break;
    case MouseStep::Up:
        raiseEvent(onMouseUp, button, NoShift, x, y);
        break;
    case MouseStep::Click:
        raiseEvent(onClick);
        break;
    case MouseStep::DblClick:
        raiseEvent(onDblClick);
        break;
    }
}

} // namespace ui
