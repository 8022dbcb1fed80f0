#include "formtools/frmAddFavForm.h"

#include "addin/AModule.h"
#include "addin/ButtonArt.h"
#include "addin/ProjectGlobals.h"
#include "addin/modText.h"
#include "fieldmanager/FindFormAtCursor.h"
#include "formtools/FavouriteLists.h"
#include "formtools/FavouriteRecord.h"
#include "formtools/FavouritesStore.h"
#include "formtools/PageInWeb.h"
#include "formtools/PendingMessages.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/Application.h"
#include "platform/editor/Web.h"
#include "platform/editor/WebFile.h"
#include "platform/editor/WebFiles.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Required.h"
#include "platform/sys/Text.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace zirirur {

namespace text = sys::text;

namespace {

const char* const ProductTitle = "Zirirur";

// Whether the text holds the markup anywhere but at its very first character. Elements come
// in document order, and the stored form holds their markup in that order, so the search
// starts where the last markup was found and looks before that only when it finds nothing
// after it: a form of many pictures is not searched from its start for each.
bool HoldsAfterStart(const std::string& HTML, const std::string& markup, std::size_t& lastFound) {
    if (HTML.compare(0, markup.size(), markup) == 0)
        return false; // it is found first at the very first character
    const std::size_t from = std::min(lastFound, HTML.size());
    std::size_t at = text::findBytes(HTML, markup, from);
    if (at == std::string::npos)
        at = text::findBytes(std::string_view(HTML).substr(0, from + markup.size()), markup);
    if (at == std::string::npos)
        return false;
    lastFound = at;
    return true;
}

} // namespace

frmAddFavForm::frmAddFavForm() : ui::Form("frmAddFavForm") {}

void frmAddFavForm::createControls() {
    setCaption(" Add Form To Favourites");
    setClientSize(6360, 4800);

    Label1 = add<ui::Label>("Label1");
    Label1->move(120, 120, 2655, 255);
    Label1->setCaption("Current Favourites :");
    List1 = add<ui::ListBox>("List1");
    List1->move(120, 420, 2655, 3180);
    List1->setSorted(ui::Sorted::No);
    List3 = add<ui::ListBox>("List3");
    List3->move(120, 420, 2655, 3180);
    List3->setSorted(ui::Sorted::No);
    List3->setVisible(false);

    Label2 = add<ui::Label>("Label2");
    Label2->move(2955, 120, 1200, 255);
    Label2->setCaption("Name :");
    txtFavName = add<ui::TextBox>("txtFavName");
    txtFavName->move(2955, 420, 3285, 315);
    Label3 = add<ui::Label>("Label3");
    Label3->move(2955, 840, 1200, 255);
    Label3->setCaption("Description :");
    txtFavDesc = add<ui::TextBox>("txtFavDesc");
    txtFavDesc->move(2955, 1140, 3285, 1035);
    txtFavDesc->setMultiLine(ui::MultiLine::Yes);

    Label4 = add<ui::Label>("Label4");
    Label4->move(2955, 2295, 1200, 255);
    Label4->setCaption("Save :");
    Option1[1] = add<ui::OptionButton>("Option1", 1);
    Option1[1]->move(2955, 2595, 1800, 255);
    Option1[1]->setCaption("Fields and HTML");
    Option1[0] = add<ui::OptionButton>("Option1", 0);
    Option1[0]->move(4800, 2595, 1440, 255);
    Option1[0]->setCaption("Fields Only");
    Option1[1]->setValue(true);

    Label5 = add<ui::Label>("Label5");
    Label5->move(2955, 2955, 3285, 1035);
    Label5->setCaption("Note : No guarantee is made that scripts associated with fields will be "
                       "saved, particularly when saving Fields Only.  Effects applied from the "
                       "Form Field Manager will automtically detected and inserted when needed.");

    Command1 = add<ui::CommandButton>("Command1");
    Command1->move(3960, 4140, 1080, 495);
    Command1->setPicture(ButtonArt("save"));
    Command1->setToolTipText("Save To Favourites");
    Command2 = add<ui::CommandButton>("Command2");
    Command2->move(5160, 4140, 1080, 495);
    Command2->setPicture(ButtonArt("close"));
    Command2->setToolTipText("Close");
    Command3 = add<ui::CommandButton>("Command3");
    Command3->move(120, 3720, 2655, 375);
    Command3->setCaption("Delete Selected Favourite");

    Command1->onClick = [this] { Command1_Click(); };
    Command2->onClick = [this] { Command2_Click(); };
    Command3->onClick = [this] { Command3_Click(); };
}

void frmAddFavForm::Form_Load() {
    InForm = false;
    show(ui::ShowMode::Modeless);

    // An index that cannot be made or read ends the load here. The error is reported as any
    // handler's is, and the dialog closes: it could list nothing, and a save would store the
    // form that an earlier opening found.
    bool listed = false;
    ui::Driver::instance().runUserAction("frmAddFavForm_Form_Load", [&] {
        LoadFavourites();
        listed = true;
    });
    if (!listed) {
        unload();
        return;
    }

    sys::tryStep([&] { FindFormAtCursor(PageDocument(), FormElement, FormObj, InForm); });
    if (!InForm) {
        sys::tryStep([&] {
            ui::msgBox("You must have your cursor in a form\rto save it to favourites!",
                       ui::vbExclamation, ProductTitle);
        });
        unload();
    }
}

void frmAddFavForm::LoadFavourites() {
    FavouriteLists::Load(sys::required(List1), sys::required(List3), IndexHeader::Written,
                         ListingErrors::EndListing);
}

void frmAddFavForm::Command1_Click() {
    std::string Name;
    sys::tryStep([&] { Name = txtFavName->text(); });
    if (!IsValidFavName(Name)) {
        sys::tryStep([&] {
            ui::msgBox("Name given is invalid. Please use Alpha/Numeric values in naming.",
                       ui::vbInformation, ProductTitle);
        });
        return;
    }

    ProcessPendingMessages(2);

    FavouriteRecord record;
    record.Name = Name;
    sys::tryStep([&] { record.Description = txtFavDesc->text(); });
    sys::tryStep([&] { record.Action = sys::required(FormObj).getProperty("action"); });
    sys::tryStep([&] { record.Method = sys::required(FormObj).getProperty("method"); });
    sys::tryStep([&] { record.FormName = sys::required(FormObj).getProperty("name"); });
    sys::tryStep([&] { FavouritesStore::AppendLine(record.text()); });

    sys::tryStep([&] {
        if (sys::FileSystem::fileExists(FavouritesStore::FormFilePath(Name)))
            sys::FileSystem::deleteFile(FavouritesStore::FormFilePath(Name));
    });
    // A folder made by an earlier save under this name stays, with its files.
    sys::tryStep([&] { sys::FileSystem::makeFolder(FavouritesStore::ImageFolder(Name)); });

    std::string HTML;
    if (Option1[1]->value()) {
        sys::tryStep([&] { HTML = sys::required(FormElement).outerHTML(); });
        bool inWeb = false;
        sys::tryStep([&] { inWeb = PageLiesInAWeb(); });
        if (inWeb)
            CollectImages(HTML, Name);
    } else if (Option1[0]->value()) {
        HTML = FieldsOnlyHTML();
    }

    sys::tryStep([&] { FavouritesStore::WriteFormFile(Name, HTML); });
    unload();
}

void frmAddFavForm::Command2_Click() {
    unload();
}

void frmAddFavForm::Command3_Click() {
    sys::tryStep([&] {
        FavouriteLists::Delete(sys::required(List1), sys::required(List3),
                               [this] { LoadFavourites(); });
    });
}

std::string frmAddFavForm::FieldsOnlyHTML() const {
    std::string outer;
    std::string inner;
    sys::tryStep([&] { outer = sys::required(FormElement).outerHTML(); });
    sys::tryStep([&] { inner = sys::required(FormElement).innerHTML(); });
    if (inner.empty())
        return outer;

    // The form's content is what lies between its start tag and its end tag; only there do the
    // fields take its place (a start tag may hold the same text, as in action="search"). A form
    // whose content ends in a PLAINTEXT has no end tag in its markup, as nothing after that
    // start tag reads as markup; its fields, which take the PLAINTEXT's place, get it back.
    const std::string endTag = "</FORM>";
    std::string_view startTag = outer;
    if (startTag.ends_with(inner + endTag))
        startTag.remove_suffix(inner.size() + endTag.size());
    else if (startTag.ends_with(inner))
        startTag.remove_suffix(inner.size());
    else
        return outer;

    std::string Fields;
    int count = 0;
    sys::tryStep([&] { count = sys::required(FormObj).length(); });
    for (int i = 0; i < count; ++i)
        sys::tryStep(
            [&] { Fields += sys::required(sys::required(FormObj).item(i)).outerHTML() + "<BR>"; });
    return std::string(startTag) + Fields + endTag;
}

void frmAddFavForm::CollectImages(std::string& HTML, const std::string& Name) const {
    // Images, in document order; an image outside the form whose markup the form holds too is
    // the same file. Nothing in this pass lets the editor run, so the page holds still: its
    // images are taken once, not picked out of the whole page again for each.
    std::vector<std::shared_ptr<dom::Element>> images;
    sys::tryStep([&] { images = PageDocument()->all().tags("IMG").toVector(); });
    std::size_t lastFound = 0;
    for (const auto& image : images) {
        std::string src;
        bool shown = false;
        sys::tryStep([&] {
            sys::required(image);
            if (!HoldsAfterStart(HTML, image->outerHTML(), lastFound))
                return;
            src = image->getProperty("src");
            shown = true;
        });
        if (shown)
            CollectImage(HTML, Name, src, 0);
    }

    // Image buttons.
    int elements = 0;
    sys::tryStep([&] { elements = PageDocument()->all().length(); });
    lastFound = 0;
    for (int i = 0; i < elements; ++i) {
        std::string src;
        bool shown = false;
        sys::tryStep([&] {
            auto element = PageDocument()->all().item(i);
            sys::required(element);
            // The tag and the type are looked at first: they cost nothing, unlike the search.
            if (text::upper(element->tagName()) != "INPUT" ||
                text::upper(element->getProperty("Type")) != "IMAGE" ||
                !HoldsAfterStart(HTML, element->outerHTML(), lastFound))
                return;
            src = element->getProperty("src");
            shown = true;
        });
        if (shown)
            CollectImage(HTML, Name, src, 6);
    }
}

void frmAddFavForm::CollectImage(std::string& HTML, const std::string& Name, const std::string& src,
                                 int pausesAfterCopy) const {
    if (src.empty() || text::upper(text::left(src, 4)) == "HTTP")
        return;

    editor::WebFile* file = nullptr;
    sys::tryStep([&] {
        const std::string key = sys::required(GetPageFolder()).url() + "/" + src;
        file = &sys::required(sys::required(FPApp).activeWeb()).rootFolder().files().item(key);
    });
    if (file == nullptr)
        return;

    std::string fileName;
    sys::tryStep([&] { fileName = file->name(); });
    sys::tryStep([&] {
        sys::FileSystem::copyFile(UrlToPath(file->url()),
                                  FavouritesStore::ImageFile(Name, fileName));
    });
    ProcessPendingMessages(pausesAfterCopy);
    sys::tryStep([&] { HTML = ReplaceText(HTML, src, fileName); });
}

} // namespace zirirur
