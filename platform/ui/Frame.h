#pragma once

#include "platform/ui/Control.h"

namespace ui {

class Frame : public Control {
public:
    const std::string& caption() const;
    void setCaption(const std::string& caption);
};

} // namespace ui
