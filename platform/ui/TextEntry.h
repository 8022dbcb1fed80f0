#pragma once

#include "platform/ui/Control.h"

#include <string>

namespace ui {

// A control that takes typed text: a text box or an editable combo box. A typed character is
// KeyPress (its handler may change the code, 0 drops the key), then its effect on the text.
class TextEntry : public Control {
public:
    // Runs for each typed character; the handler may change the code (0 drops the key).
    std::function<void(int& keyAscii)> onKeyPress;
    // Runs for each key pressed, before its character; the handler may change the code.
    std::function<void(int& keyCode, int shift)> onKeyDown;

    // The user types one character (UTF-8): KeyPress, then, unless the handler dropped it,
    // the character takes effect on the text.
    void typeCharacter(const std::string& character);
    // The two halves of a typed character: KeyPress (giving the code as the handler left it),
    // then its effect on the text.
    int keyPress(int keyAscii);
    virtual void applyKey(int keyAscii, const std::string& character) = 0;
    // The character that a key code stands for after KeyPress: the typed one when unchanged.
    static std::string typedCharacter(int typed, int code, const std::string& character);

    void userType(const std::string& text) override;
    void userPressKey(int keyCode) override;

protected:
    TextEntry(Form& form, std::string name, int index);
    // Whether the user can type into it (a drop-down list only offers its rows).
    virtual bool takesTyping() const { return true; }
};

} // namespace ui
