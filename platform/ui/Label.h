#pragma once

#include "platform/ui/Control.h"

namespace ui {

class Label : public Control {
public:
    Label(Form& form, std::string name, int index);

    const std::string& caption() const;
    void setCaption(const std::string& caption);
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    void userClick() override;
    void userDblClick(int row) override;

protected:
    std::string kind() const override { return "label"; }
    std::string describeValue() const override;

private:
    std::string m_caption;
};

} // namespace ui
