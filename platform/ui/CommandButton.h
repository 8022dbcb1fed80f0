#pragma once

#include "platform/ui/Control.h"

#include <string>

namespace ui {

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name, int index);

    const std::string& caption() const;
    void setCaption(const std::string& caption);
    // A picture button shows a picture (a file of the installation or a name) instead of text.
    void setPicture(const std::string& picture);
    const std::string& picture() const;
    void click(); // as the user's click: runs onClick
    std::function<void()> onClick;

    void userClick() override;

protected:
    std::string kind() const override { return "button"; }
    std::string describeValue() const override;

private:
    std::string m_caption;
    std::string m_picture;
};

} // namespace ui
