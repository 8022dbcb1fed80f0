#pragma once

#include "platform/gfx/Surface.h"
#include "platform/ui/Control.h"

#include <cstdint>

namespace ui {

enum MouseButton : int { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftKey : int { NoShift = 0, ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name, int index);

    // Colour value 0x00BBGGRR, or a system colour index (top bit set).
    int32_t backColor() const override;
    void setBackColor(int32_t color) override; // clears the drawing to the colour and repaints
    gfx::Surface& surface();                   // pixels, sized from the control in pixels
    const gfx::Surface& surface() const;
    void refresh(); // runs onPaint
    std::function<void()> onPaint;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // Coordinates in pixels of the client area.
    std::function<void(int button, int shift, int x, int y)> onMouseDown;
    std::function<void(int button, int shift, int x, int y)> onMouseMove;
    std::function<void(int button, int shift, int x, int y)> onMouseUp;

    // The pen (lines, LineTo) and the fill of boxes, as the surface keeps them.
    int32_t foreColor() const;
    void setForeColor(int32_t color);
    int32_t fillColor() const;
    void setFillColor(int32_t color);
    gfx::FillStyle fillStyle() const;
    void setFillStyle(gfx::FillStyle style);
    // Clears the drawing to the background colour.
    void cls();

protected:
    std::string kind() const override { return "picture"; }
    std::string describeValue() const override;
    void resized() override;

private:
    int32_t m_backColor = int32_t(0x8000000F);
    gfx::Surface m_surface;
};

} // namespace ui
