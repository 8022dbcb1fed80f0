#pragma once

#include "platform/gfx/Surface.h"
#include "platform/ui/Control.h"
#include "platform/ui/Mouse.h"

#include <cstdint>

namespace ui {

// A drawing surface that takes the mouse (its MouseEvents, in pixels of its client area).
class PictureBox : public Control, public MouseEvents {
public:
    PictureBox(Form& form, std::string name, int index);

    // Colour value 0x00BBGGRR, or a system colour index (top bit set).
    int32_t backColor() const override;
    void setBackColor(int32_t color) override; // clears the drawing to the colour and repaints
    gfx::Surface& surface();                   // pixels, sized from the control in pixels
    const gfx::Surface& surface() const;
    void refresh(); // runs onPaint
    std::function<void()> onPaint;

    // The pen (lines, LineTo) and the fill of boxes, as the surface keeps them.
    int32_t foreColor() const;
    void setForeColor(int32_t color);
    int32_t fillColor() const;
    void setFillColor(int32_t color);
    gfx::FillStyle fillStyle() const;
    void setFillStyle(gfx::FillStyle style);
    // Clears the drawing to the background colour.
    void cls();

    void userClick() override;
    void userDblClick(int row) override;
    Control* mouseTarget(int& x, int& y) override;
    void userMouse(MouseStep step, int button, int x, int y) override;
    gfx::Surface snapshot() const override;

protected:
    std::string kind() const override { return "picture"; }
    std::string describeValue() const override;
    void resized() override;

private:
    int32_t m_backColor = int32_t(0x8000000F);
    gfx::Surface m_surface;
};

} // namespace ui
