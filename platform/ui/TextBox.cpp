#include "platform/ui/TextBox.h"

#include "platform/sys/Error.h"
#include "platform/sys/Text.h"
#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"

namespace ui {

TextBox::TextBox(Form& form, std::string name, int index)
    : TextEntry(form, std::move(name), index) {
    setBackColor(int32_t(0x80000005));
}

const std::string& TextBox::text() const {
    return m_text;
}

void TextBox::setText(const std::string& text) {
    if (text == m_text)
        return;
    m_text = text;
    raiseEvent(onChange);
}

bool TextBox::multiLine() const {
    return m_multiLine;
}
void TextBox::setMultiLine(MultiLine multiLine) {
    m_multiLine = multiLine == MultiLine::Yes;
}
bool TextBox::locked() const {
    return m_locked;
}
void TextBox::setLocked(Locked locked) {
    m_locked = locked == Locked::Yes;
}

void TextBox::applyKey(int keyAscii, const std::string& character) {
    if (keyAscii == 0 || m_locked)
        return;
    if (keyAscii == 8) {
        // A line break is one character to the user: Backspace takes its CR and LF together.
        const long count = sys::text::right(m_text, 2) == "\r\n" ? 2 : 1;
        setText(sys::text::left(m_text, sys::text::length(m_text) - count));
        return;
    }
    if (keyAscii == 13) {
        if (m_multiLine)
            setText(m_text + "\r\n");
        return;
    }
    if (keyAscii < 32)
        return;
    setText(m_text + character);
}

void TextBox::userSetText(const std::string& text) {
    if (m_locked)
        sys::raise(sys::ErrInvalidCall, "The text box " + displayName() + " is locked");
    runUserEvent("Change", [this, &text] { setText(text); });
}

std::string TextBox::describeValue() const {
    std::string value = describe::quote(m_text);
    if (m_locked)
        value += " (locked)";
    return value;
}

} // namespace ui
