#pragma once

#include "platform/ui/Control.h"

namespace ui {

// Holds other controls (their container): hiding or disabling it hides or disables them.
class Frame : public Control {
public:
    Frame(Form& form, std::string name, int index);

    const std::string& caption() const;
    void setCaption(const std::string& caption);

protected:
    std::string kind() const override { return "frame"; }
    std::string describeValue() const override;

private:
    std::string m_caption;
};

} // namespace ui
