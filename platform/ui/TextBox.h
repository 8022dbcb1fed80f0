#pragma once

#include "platform/ui/TextEntry.h"

namespace ui {

enum class MultiLine { No, Yes };
enum class Locked { No, Yes };

class TextBox : public TextEntry {
public:
    TextBox(Form& form, std::string name, int index);

    const std::string& text() const;
    // Runs onChange at once when the text differs from the present one.
    void setText(const std::string& text);
    std::function<void()> onChange;

    // A multi-line box takes Enter as a line break; a single-line box drops it.
    bool multiLine() const;
    void setMultiLine(MultiLine multiLine);
    // A locked box shows its text but the user's keys do not change it.
    bool locked() const;
    void setLocked(Locked locked);

    // A typed character takes effect at the end of the text (Backspace removes the last one).
    void applyKey(int keyAscii, const std::string& character) override;

    void userSetText(const std::string& text) override;

protected:
    std::string kind() const override { return "textbox"; }
    std::string describeValue() const override;

private:
    std::string m_text;
    bool m_multiLine = false;
    bool m_locked = false;
};

} // namespace ui
