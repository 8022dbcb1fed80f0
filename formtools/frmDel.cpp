#include "formtools/frmDel.h"

#include "addin/AModule.h"
#include "addin/ButtonArt.h"
#include "fieldmanager/FindFormAtCursor.h"
#include "platform/dom/Element.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/Required.h"
#include "platform/sys/Text.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/OptionButton.h"

namespace zirirur {

namespace {

// Options 1 and 2 are two lines high: the blanks carry the words in parentheses onto the
// second line.
constexpr std::array<const char*, 4> OptionCaptions{
    "Delete Entire Form",
    "Delete Just The Form Components                (Keep HTML Content)",
    "Delete Form Fields         (Keep Form OutLine)",
    "Delete Form Fields of Type :",
};

constexpr std::array<const char*, 9> FieldTypes{
    "HIDDEN", "IMAGE", "TEXT", "BUTTON", "SUBMIT", "RESET", "SELECT", "CHECKBOX", "RADIO",
};

// The page gives a selection list the type select-one or select-multiple; the entry "SELECT"
// stands for both.
bool TypeMatches(const std::string& type, const std::string& wanted) {
    const std::string upper = sys::text::upper(type);
    if (upper == wanted)
        return true;
    return wanted == "SELECT" && (upper == "SELECT-ONE" || upper == "SELECT-MULTIPLE");
}

} // namespace

frmDel::frmDel() : ui::Form("frmDel") {}

void frmDel::createControls() {
    setCaption("Delete Form");
    setClientSize(4740, 3300);

    constexpr std::array<int, 4> tops{120, 480, 1080, 1680};
    constexpr std::array<int, 4> heights{255, 495, 495, 255};
    for (int i = 0; i < 4; ++i) {
        optDel[i] = add<ui::OptionButton>("optDel", i);
        optDel[i]->move(240, tops[i], 4200, heights[i]);
        optDel[i]->setCaption(OptionCaptions[i]);
    }
    optDel[0]->setValue(true);

    // Below option 3, and usable whichever option is chosen.
    lstTypes = add<ui::ComboBox>("lstTypes");
    lstTypes->move(600, 2040, 2160, 315);
    lstTypes->setStyle(ui::ComboStyle::DropDownList);
    for (const char* type : FieldTypes)
        lstTypes->addItem(type);

    Command1 = add<ui::CommandButton>("Command1");
    Command1->move(1200, 2640, ButtonArtWidth, ButtonArtHeight);
    Command1->setPicture(ButtonArt("remove"));
    Command1->onClick = [this] { Command1_Click(); };

    Command3 = add<ui::CommandButton>("Command3");
    Command3->move(2940, 2640, ButtonArtWidth, ButtonArtHeight);
    Command3->setPicture(ButtonArt("cancel"));
    Command3->onClick = [this] { Command3_Click(); };
}

void frmDel::Form_Load() {
    InForm = false;
    lstTypes->setListIndex(1);
    sys::tryStep([&] { FindFormAtCursor(PageDocument(), FormElement, FormObj, InForm); });
    if (!InForm) {
        ui::msgBox("You must have your cursor in a form", ui::vbOKOnly | ui::vbExclamation,
                   "Zirirur");
        unload();
    }
}

void frmDel::Form_Unload() {
    // The controls die with the unload; drop the pointers so nothing reaches a dead control.
    optDel = {};
    lstTypes = nullptr;
    Command1 = nullptr;
    Command3 = nullptr;
}

bool frmDel::IsSelected(int option) const {
    return optDel[option]->value();
}

void frmDel::Command1_Click() {
    FormElement = FormObj;

    if (IsSelected(0)) {
        sys::tryStep([&] { sys::required(FormElement).setInnerHTML(" "); });
        sys::tryStep([&] { sys::required(FormElement).setOuterHTML(" "); });
    }
    if (IsSelected(1)) {
        RemoveFields(Fields::All);
        FormElement = FormObj;
        sys::tryStep([&] {
            const std::string content = sys::required(FormElement).innerHTML();
            FormElement->setOuterHTML(content);
        });
    }
    if (IsSelected(2))
        RemoveFields(Fields::All);
    if (IsSelected(3)) {
        RemoveFields(Fields::OfSelectedType);
        FormElement = FormObj;
    }

    FormElement = nullptr;
    unload();
}

// From the last field to the first, so that a removal never shifts a field still to come.
void frmDel::RemoveFields(Fields which) {
    std::string wanted;
    if (which == Fields::OfSelectedType)
        wanted = lstTypes->text();

    int count = 0;
    sys::tryStep([&] { count = sys::required(FormObj).length(); });
    for (int i = count - 1; i >= 0; --i) {
        sys::tryStep([&] {
            std::shared_ptr<dom::Element> field = sys::required(FormObj).item(i);
            if (which == Fields::OfSelectedType &&
                !TypeMatches(sys::required(field).getProperty("Type"), wanted))
                return;
            sys::required(field).setOuterHTML("");
        });
    }
}

void frmDel::Command3_Click() {
    unload();
}

} // namespace zirirur
