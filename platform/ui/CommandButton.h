#pragma once

#include "platform/ui/Control.h"

#include <string>

namespace ui {

class CommandButton : public Control {
public:
    const std::string& caption() const;
    void setCaption(const std::string& caption);
    // A picture button shows a picture (a file of the installation or a name) instead of text.
    void setPicture(const std::string& picture);
    void click(); // as the user's click: runs onClick
    std::function<void()> onClick;
};

} // namespace ui
