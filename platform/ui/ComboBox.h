#pragma once

#include "platform/ui/TextEntry.h"

#include <string>
#include <vector>

namespace ui {

// An editable combo box takes typed text; a drop-down list only offers its rows.
enum class ComboStyle { DropDownCombo = 0, DropDownList = 2 };

class ComboBox : public TextEntry {
public:
    ComboBox(Form& form, std::string name, int index);

    ComboStyle style() const;
    void setStyle(ComboStyle style);

    void addItem(const std::string& item, int index = -1); // raises error 5 when out of range
    void removeItem(int index);                            // raises error 5 when out of range
    void clear();
    int listCount() const;
    std::string list(int index) const; // "" out of range
    int listIndex() const;
    // The row's text becomes the text (no Change); runs onClick; raises error 380 when out of
    // range.
    void setListIndex(int index);
    const std::string& text() const;
    // Editable: runs onChange when it differs. Drop-down list: selects the row with that text
    // (running onClick when the selection changes); a text that is no row raises error 383.
    void setText(const std::string& text);
    std::function<void()> onClick;
    std::function<void()> onChange;

    // A typed character changes the text of an editable box; a drop-down list ignores it.
    void applyKey(int keyAscii, const std::string& character) override;

    // A drop-down list selects the row with the text.
    void userSetText(const std::string& text) override;

protected:
    std::string kind() const override { return "combo"; }
    std::string describeValue() const override;
    bool takesTyping() const override { return m_style == ComboStyle::DropDownCombo; }
    std::optional<std::vector<std::string>> rows() const override { return m_items; }
    void pickRow(int row) override { setListIndex(row); }

private:
    ComboStyle m_style = ComboStyle::DropDownCombo;
    std::vector<std::string> m_items;
    int m_listIndex = -1;
    std::string m_text;
};

} // namespace ui
