#pragma once

#include <functional>

namespace ui {

enum MouseButton : int { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftKey : int { NoShift = 0, ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

// One step of what the user does with the mouse; a click is a press, a release and Click.
enum class MouseStep { Down, Move, Up, Click, DblClick };

// The event's name as handlers are named after it ("MouseDown", "Click").
const char* mouseEventName(MouseStep step);

using MouseHandler = std::function<void(int button, int shift, int x, int y)>;

// The mouse events of a control that takes the mouse (a picture box, a user control's face).
// Coordinates in pixels of the control's client area.
struct MouseEvents {
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    // Raises the step's event (no shift key is held).
    void raiseMouse(MouseStep step, int button, int x, int y) const;
};

} // namespace ui
