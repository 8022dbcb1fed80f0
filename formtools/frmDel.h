#pragma once

#include "platform/ui/Form.h"

#include <array>
#include <memory>
#include <string>

namespace dom {
class Element;
}
namespace ui {
class ComboBox;
class CommandButton;
class OptionButton;
} // namespace ui

namespace zirirur {

// Remove Form/Form Parts: takes the form that holds the cursor out of the page, or its tags and
// fields, or its fields, or its fields of one type, at once and without a question.
class frmDel : public ui::Form {
public:
    frmDel();

    // The form found at load, as an element and as a form (the same element), and whether the
    // load found one.
    std::shared_ptr<dom::Element> FormElement;
    std::shared_ptr<dom::Element> FormObj;
    bool InForm = false;

protected:
    void createControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    // Which of the form's fields the field loop removes.
    enum class Fields { All, OfSelectedType };

    void Command1_Click();
    void Command3_Click();
    void RemoveFields(Fields which);
    bool IsSelected(int option) const;

    std::array<ui::OptionButton*, 4> optDel{};
    ui::ComboBox* lstTypes = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::CommandButton* Command3 = nullptr;
};

} // namespace zirirur
