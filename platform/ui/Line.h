#pragma once

#include "platform/ui/Control.h"

namespace ui {

class Line : public Control {
public:
    Line(Form& form, std::string name, int index);

    void setPoints(int x1, int y1, int x2, int y2); // twips
    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    int32_t borderColor() const { return m_borderColor; }
    void setBorderColor(int32_t color) { m_borderColor = color; }

protected:
    std::string kind() const override { return "line"; }

private:
    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
    int32_t m_borderColor = int32_t(0x80000008);
};

} // namespace ui
