#pragma once

#include "platform/ui/Control.h"

namespace ui {

class Line : public Control {
public:
    void setPoints(int x1, int y1, int x2, int y2); // twips
};

} // namespace ui
