#pragma once

#include "platform/ui/Form.h"

#include <array>
#include <memory>
#include <string>

namespace dom {
class Element;
}
namespace ui {
class CommandButton;
class Label;
class ListBox;
class OptionButton;
class TextBox;
} // namespace ui

namespace zirirur {

// Add Form To Favourites: saves the form that held the cursor when the dialog opened as a
// favourite, whole ("Fields and HTML", with copies of its local images when the page lies in
// a web) or its fields only; lists the saved favourites and deletes the selected one.
class frmAddFavForm : public ui::Form {
public:
    frmAddFavForm();

    // The form found at load; the instance keeps them from one opening to the next.
    std::shared_ptr<dom::Element> FormElement;
    std::shared_ptr<dom::Element> FormObj;
    bool InForm = false;

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void LoadFavourites();
    void Command1_Click(); // save
    void Command2_Click(); // close
    void Command3_Click(); // delete the selected favourite

    std::string FieldsOnlyHTML() const;
    // Copies the page's local images that the HTML shows into the favourite's image folder and
    // points the HTML at the copies: IMG elements first, then image buttons.
    void CollectImages(std::string& HTML, const std::string& Name) const;
    void CollectImage(std::string& HTML, const std::string& Name, const std::string& src,
                      int pausesAfterCopy) const;

    ui::Label* Label1 = nullptr;
    ui::ListBox* List1 = nullptr;
    ui::ListBox* List3 = nullptr; // whole index lines, parallel to List1
    ui::Label* Label2 = nullptr;
    ui::TextBox* txtFavName = nullptr;
    ui::Label* Label3 = nullptr;
    ui::TextBox* txtFavDesc = nullptr;
    ui::Label* Label4 = nullptr;
    // The control array Option1: index 1 "Fields and HTML", index 0 "Fields Only".
    std::array<ui::OptionButton*, 2> Option1{};
    ui::Label* Label5 = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::CommandButton* Command2 = nullptr;
    ui::CommandButton* Command3 = nullptr;
};

} // namespace zirirur
