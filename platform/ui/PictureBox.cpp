#include "platform/ui/PictureBox.h"

#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"

namespace ui {

PictureBox::PictureBox(Form& form, std::string name, int index)
    : Control(form, std::move(name), index) {}

int32_t PictureBox::backColor() const {
    return m_backColor;
}

void PictureBox::setBackColor(int32_t color) {
    m_backColor = color;
    m_surface.clear(color);
    refresh();
}

gfx::Surface& PictureBox::surface() {
    return m_surface;
}
const gfx::Surface& PictureBox::surface() const {
    return m_surface;
}

void PictureBox::refresh() {
    raiseEvent(onPaint);
}

int32_t PictureBox::foreColor() const {
    return m_surface.foreColor();
}
void PictureBox::setForeColor(int32_t color) {
    m_surface.setForeColor(color);
}
int32_t PictureBox::fillColor() const {
    return m_surface.fillColor();
}
void PictureBox::setFillColor(int32_t color) {
    m_surface.setFillColor(color);
}
gfx::FillStyle PictureBox::fillStyle() const {
    return m_surface.fillStyle();
}
void PictureBox::setFillStyle(gfx::FillStyle style) {
    m_surface.setFillStyle(style);
}

void PictureBox::cls() {
    m_surface.clear(m_backColor);
}

void PictureBox::userClick() {
    runUserEvent("Click", [this] { raiseEvent(onClick); });
}

void PictureBox::userDblClick(int /*row*/) {
    runUserEvent("DblClick", [this] { raiseEvent(onDblClick); });
}

Control* PictureBox::mouseTarget(int& /*x*/, int& /*y*/) {
    return this;
}

void PictureBox::userMouse(MouseStep step, int button, int x, int y) {
    raiseMouse(step, button, x, y);
}

gfx::Surface PictureBox::snapshot() const {
    return m_surface;
}

void PictureBox::resized() {
    m_surface.resize(width() / gfx::TwipsPerPixel, height() / gfx::TwipsPerPixel, m_backColor);
}

std::string PictureBox::describeValue() const {
    std::string value = describe::color(m_backColor);
    if (!toolTipText().empty())
        value += " tip " + describe::quote(toolTipText());
    return value;
}

} // namespace ui
