#include "platform/ui/Shape.h"

namespace ui {

Shape::Shape(Form& form, std::string name, int index) : Control(form, std::move(name), index) {}

} // namespace ui
