#pragma once

#include "platform/ui/Control.h"

#include <cstdint>

namespace gfx {
class Surface;
}

namespace ui {

enum MouseButton : int { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };

class PictureBox : public Control {
public:
    // Colour value 0x00BBGGRR, or a system colour index (top bit set).
    int32_t backColor() const;
    void setBackColor(int32_t color); // clears the drawing to the colour and repaints
    gfx::Surface& surface();          // pixels, sized from the control in pixels
    void refresh();                   // runs onPaint
    std::function<void()> onPaint;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // Coordinates in pixels of the client area.
    std::function<void(int button, int shift, int x, int y)> onMouseDown;
    std::function<void(int button, int shift, int x, int y)> onMouseMove;
    std::function<void(int button, int shift, int x, int y)> onMouseUp;
};

} // namespace ui
