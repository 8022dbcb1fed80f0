#pragma once

#include "platform/ui/Control.h"

namespace ui {

enum class ShapeKind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4 };

// Decoration only: a rectangle, oval or circle drawn on the form.
class Shape : public Control {
public:
    Shape(Form& form, std::string name, int index);

    ShapeKind shape() const { return m_shape; }
    void setShape(ShapeKind shape) { m_shape = shape; }
    int32_t borderColor() const { return m_borderColor; }
    void setBorderColor(int32_t color) { m_borderColor = color; }

protected:
    std::string kind() const override { return "shape"; }

private:
    ShapeKind m_shape = ShapeKind::Rectangle;
    int32_t m_borderColor = int32_t(0x80000008);
};

} // namespace ui
