#pragma once

#include "platform/ui/Control.h"

namespace ui {

class TextBox : public Control {
public:
    const std::string& text() const;
    // Runs onChange at once when the text differs from the present one.
    void setText(const std::string& text);
    std::function<void()> onChange;
    // Runs for each typed character; the handler may change the code (0 drops the key).
    std::function<void(int& keyAscii)> onKeyPress;
};

} // namespace ui
