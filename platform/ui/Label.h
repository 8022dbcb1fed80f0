#pragma once

#include "platform/ui/Control.h"

namespace ui {

class Label : public Control {
public:
    const std::string& caption() const;
    void setCaption(const std::string& caption);
    std::function<void()> onClick;
};

} // namespace ui
