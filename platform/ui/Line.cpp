#include "platform/ui/Line.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

Line::Line(Form& form, std::string name, int index) : Control(form, std::move(name), index) {}

void Line::setPoints(int x1, int y1, int x2, int y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    move(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

} // namespace ui
