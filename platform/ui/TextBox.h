#pragma once

#include "platform/ui/Control.h"

namespace ui {

enum class MultiLine { No, Yes };
enum class Locked { No, Yes };

class TextBox : public Control {
public:
    TextBox(Form& form, std::string name, int index);

    const std::string& text() const;
    // Runs onChange at once when the text differs from the present one.
    void setText(const std::string& text);
    std::function<void()> onChange;
    // Runs for each typed character; the handler may change the code (0 drops the key).
    std::function<void(int& keyAscii)> onKeyPress;
    // Runs for each key pressed, before its character; the handler may change the code.
    std::function<void(int& keyCode, int shift)> onKeyDown;

    // A multi-line box takes Enter as a line break; a single-line box drops it.
    bool multiLine() const;
    void setMultiLine(MultiLine multiLine);
    // A locked box shows its text but the user's keys do not change it.
    bool locked() const;
    void setLocked(Locked locked);

    // The user types one character (UTF-8): KeyPress, then, unless the handler dropped it,
    // the character takes effect at the end of the text (Backspace removes the last one).
    void typeCharacter(const std::string& character);
    // The two halves of a typed character: KeyPress (giving the code as the handler left it),
    // then its effect on the text.
    int keyPress(int keyAscii);
    void applyKey(int keyAscii, const std::string& character);
    // The character that a key code stands for after KeyPress: the typed one when unchanged.
    static std::string typedCharacter(int typed, int code, const std::string& character);

protected:
    std::string kind() const override { return "textbox"; }
    std::string describeValue() const override;

private:
    std::string m_text;
    bool m_multiLine = false;
    bool m_locked = false;
};

} // namespace ui
