#pragma once

#include "platform/ui/Form.h"

#include <memory>
#include <string>

namespace dom {
class Element;
}
namespace ui {
class CommandButton;
class FileListBox;
class Label;
class ListBox;
class TextBox;
} // namespace ui

namespace zirirur {

// Quick Form Components: lists the components of the store, shows the description of the one
// the user picks and inserts it: into the form at the cursor, or into a new form that it offers
// to insert and name, with the component's extra files added to the page's web. The dialog
// closes after every insert attempt.
class frmComps : public ui::Form {
public:
    frmComps();
    ~frmComps() override;

    // The form that receives the component, as the walk from the cursor found it.
    std::shared_ptr<dom::Element> FormElement;
    std::shared_ptr<dom::Element> FormObj;
    bool InForm = false;

    // Whether a script element of the page has the same text as WhatScript, read as the page
    // gives markup back, once line breaks read as blanks and outer blanks are gone; letter case
    // counts.
    bool GotScriptHere(std::string& WhatScript);

protected:
    void createControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void List1_Click();
    void List1_DblClick();
    void Command1_Click();
    void Command3_Click();

    ui::Label* Label1 = nullptr;
    ui::ListBox* List1 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::Label* Label5 = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::CommandButton* Command3 = nullptr;
    // Under the list, never seen: the component's extra files and GotScriptHere's scratch texts.
    ui::FileListBox* File1 = nullptr;
    ui::TextBox* Text1 = nullptr;
    ui::TextBox* Text2 = nullptr;
};

} // namespace zirirur
