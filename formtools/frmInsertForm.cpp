#include "formtools/frmInsertForm.h"

#include "addin/AModule.h"
#include "addin/ButtonArt.h"
#include "fieldmanager/EffectStatement.h"
#include "formtools/FavouriteLists.h"
#include "formtools/FavouriteRecord.h"
#include "formtools/FavouritesStore.h"
#include "formtools/PageInWeb.h"
#include "formtools/PendingMessages.h"
#include "platform/dom/Document.h"
#include "platform/dom/TextRange.h"
#include "platform/editor/WebFiles.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/App.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/Required.h"
#include "platform/sys/Text.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MsgBox.h"

#include <string>

namespace zirirur {

namespace {

// A script file goes into the page when the stored text names one of its functions (exact
// case), as the field manager's effect statements call them.
bool CallsAnyOf(const std::string& HTML, std::initializer_list<const char*> functions) {
    for (const char* function : functions)
        if (sys::text::find(HTML, function) != 0)
            return true;
    return false;
}

} // namespace

frmInsertForm::frmInsertForm() : ui::Form("frmInsertForm") {}

void frmInsertForm::createControls() {
    setCaption(" Insert Form");
    setClientSize(5520, 4440);

    Label1 = add<ui::Label>("Label1");
    Label1->move(120, 120, 2535, 255);
    Label1->setCaption("Favourites :");
    List1 = add<ui::ListBox>("List1");
    List1->move(120, 420, 2535, 2790);
    List1->setSorted(ui::Sorted::No);
    List2 = add<ui::ListBox>("List2");
    List2->move(120, 420, 2535, 2790);
    List2->setSorted(ui::Sorted::No);
    List2->setVisible(false);
    Label5 = add<ui::Label>("Label5");
    Label5->move(2835, 420, 2565, 1575);
    File1 = add<ui::FileListBox>("File1");
    File1->move(2835, 420, 2565, 1575);
    File1->setVisible(false);
    Label2 = add<ui::Label>("Label2");
    Label2->move(2835, 2115, 2565, 1095);
    Label2->setCaption("Note : No guarantee is made that scripts associated with fields from a "
                       "previous form save will be instered.  Effects that had been applied from "
                       "the Form Field Manager will be automtically detected and inserted when "
                       "needed.");

    Command1 = add<ui::CommandButton>("Command1");
    Command1->move(3120, 3780, 1080, 495);
    Command1->setPicture(ButtonArt("insert"));
    Command1->setToolTipText("Insert Favourite");
    Command3 = add<ui::CommandButton>("Command3");
    Command3->move(4320, 3780, 1080, 495);
    Command3->setPicture(ButtonArt("close"));
    Command3->setToolTipText("Close");
    Command2 = add<ui::CommandButton>("Command2");
    Command2->move(120, 3330, 2535, 375);
    Command2->setCaption("Delete Selected Favourite");

    List1->onClick = [this] { List1_Click(); };
    List1->onDblClick = [this] { List1_DblClick(); };
    Command1->onClick = [this] { Command1_Click(); };
    Command2->onClick = [this] { Command2_Click(); };
    Command3->onClick = [this] { Command3_Click(); };
}

void frmInsertForm::Form_Load() {
    LoadFavourites();
}

void frmInsertForm::LoadFavourites() {
    sys::tryStep([&] {
        FavouriteLists::Load(sys::required(List1), sys::required(List2), IndexHeader::None,
                             ListingErrors::PassOver);
    });
}

void frmInsertForm::List1_Click() {
    sys::tryStep([&] {
        Label5->setCaption(FavouriteRecord::DescriptionOf(List2->list(List1->listIndex())));
    });
}

void frmInsertForm::List1_DblClick() {
    List1_Click();
    Command1_Click();
}

void frmInsertForm::Command1_Click() {
    // With nothing selected there is nothing to insert: pasting an empty text would replace the
    // page's selection, and the image folder would be the FormImages folder itself.
    bool selected = false;
    sys::tryStep([&] { selected = List1->listIndex() >= 0; });
    if (!selected) {
        unload();
        return;
    }

    // The file list starts at the installation folder: a path that stays there afterwards
    // means the favourite has no image folder.
    std::string installationFolder;
    sys::tryStep([&] {
        File1->setPath(sys::App::path());
        installationFolder = File1->path();
    });

    std::string HTML;
    sys::tryStep([&] { HTML = FavouritesStore::ReadFormFile(List1->text()); });

    sys::tryStep([&] {
        dom::TextRange range = PageDocument()->selection().createRange();
        range.select();
        range.pasteHTML(HTML);
    });
    ProcessPendingMessages(2);

    sys::tryStep([&] { File1->setPath(FavouritesStore::ImageFolder(List1->text())); });
    ProcessPendingMessages(1);

    bool inWeb = false;
    sys::tryStep([&] { inWeb = PageLiesInAWeb(); });
    if (inWeb) {
        AddImagesToWeb(installationFolder);
    } else {
        sys::tryStep([&] {
            ui::msgBox("Additional image/file contents etc (if any) will not be added without "
                       "being in a Frontpage Web.",
                       ui::vbInformation, "Zirirur");
        });
    }

    InsertScriptFiles(HTML);
    unload();
}

void frmInsertForm::AddImagesToWeb(const std::string& installationFolder) {
    bool hasImageFolder = false;
    sys::tryStep([&] { hasImageFolder = File1->path() != installationFolder; });
    if (!hasImageFolder)
        return;

    editor::WebFolder* folder = nullptr;
    sys::tryStep([&] { folder = GetPageFolder(); });
    int count = 0;
    sys::tryStep([&] { count = File1->listCount(); });
    for (int i = 1; i <= count; ++i) {
        sys::tryStep([&] {
            const std::string file = FavouritesStore::ImageFile(List1->text(), File1->list(i - 1));
            sys::required(folder).files().add(file, true);
        });
        ProcessPendingMessages(7);
    }
}

void frmInsertForm::InsertScriptFiles(const std::string& HTML) {
    const ScriptFile& text = EffectStatement::TextFunctions;
    const ScriptFile& status = EffectStatement::StatusScript;
    if (CallsAnyOf(HTML,
                   {"VQRMakeLower", "VQRMakeUpper", "ZirirurNumberOnly", "ZirirurTextCounter"}))
        sys::tryStep([&] { InsertScriptFile(std::string(text.id), std::string(text.fileName)); });
    if (CallsAnyOf(HTML, {"ZirirurStatus"}))
        sys::tryStep(
            [&] { InsertScriptFile(std::string(status.id), std::string(status.fileName)); });
}

void frmInsertForm::Command2_Click() {
    sys::tryStep([&] {
        FavouriteLists::Delete(sys::required(List1), sys::required(List2),
                               [this] { LoadFavourites(); });
    });
}

void frmInsertForm::Command3_Click() {
    unload();
}

} // namespace zirirur
