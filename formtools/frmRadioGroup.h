#pragma once

#include "platform/ui/Form.h"

#include <array>
#include <string>

namespace ui {
class CheckBox;
class CommandButton;
class Frame;
class Label;
class ListBox;
class OptionButton;
class TextBox;
} // namespace ui

namespace zirirur {

// Insert Form Radio Group: builds a list of options, each a value and a text, marks the one
// that starts checked, and pastes one radio input per option, all of one name, at the page's
// selection.
class frmRadioGroup : public ui::Form {
public:
    frmRadioGroup();

    // The row of the option being edited; an option is current only while it names a row.
    int CurIndex = -1;
    // The row of the option written with "checked"; -1 for none. It may name a row that is gone.
    int CheckedIndex = -1;

    // The group's markup as Insert Group pastes it, built from the dialog's present state.
    std::string GroupHTML() const;

protected:
    void createControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void Command1_Click(); // add
    void Command2_Click(); // remove
    void Command3_Click(); // insert
    void Command4_Click(); // close
    void List1_Click();    // make current
    void Option1_Click(int Index);
    void Text2_Change();
    void Text3_Change();
    bool HasCurrentOption() const;

    ui::Label* Label1 = nullptr;
    ui::TextBox* Text1 = nullptr;
    ui::Frame* Frame1 = nullptr;
    ui::ListBox* List1 = nullptr;
    ui::ListBox* List2 = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::CommandButton* Command2 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::TextBox* Text2 = nullptr;
    ui::Label* Label3 = nullptr;
    ui::TextBox* Text3 = nullptr;
    ui::Label* Label4 = nullptr;
    std::array<ui::OptionButton*, 2> Option1{};
    ui::CheckBox* Check1 = nullptr;
    ui::CommandButton* Command3 = nullptr;
    ui::CommandButton* Command4 = nullptr;
};

} // namespace zirirur
