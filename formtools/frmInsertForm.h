#pragma once

#include "platform/ui/Form.h"

namespace ui {
class CommandButton;
class FileListBox;
class Label;
class ListBox;
} // namespace ui

namespace zirirur {

// Insert Form From Favourites: lists the saved favourites, shows the clicked one's description,
// pastes the selected one at the cursor with its images (when the page lies in a web) and the
// script files that its fields' effects call, and deletes the selected favourite.
class frmInsertForm : public ui::Form {
public:
    frmInsertForm();

protected:
    void createControls() override;
    void Form_Load() override;

private:
    void LoadFavourites();
    void List1_Click();
    void List1_DblClick();
    void Command1_Click(); // insert
    void Command2_Click(); // delete the selected favourite
    void Command3_Click(); // close

    void AddImagesToWeb(const std::string& installationFolder);
    static void InsertScriptFiles(const std::string& HTML);

    ui::Label* Label1 = nullptr;
    ui::ListBox* List1 = nullptr;
    ui::ListBox* List2 = nullptr; // whole index lines, parallel to List1
    ui::Label* Label5 = nullptr;  // the clicked favourite's description
    ui::FileListBox* File1 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::CommandButton* Command3 = nullptr;
    ui::CommandButton* Command2 = nullptr;
};

} // namespace zirirur
