#include "formtools/frmRadioGroup.h"

#include "addin/AModule.h"
#include "addin/ButtonArt.h"
#include "addin/modText.h"
#include "platform/dom/Document.h"
#include "platform/dom/TextRange.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

#include <optional>

namespace zirirur {

namespace {

constexpr int32_t DialogColour = 0x00D3B4B4;

// A double quote in the group's name or an option's value would end the attribute early.
std::string QuotesEscaped(const std::string& text) {
    return ReplaceText(text, "\"", "&quot;");
}

template <typename T> T* Placed(T* control, int left, int top, int width, int height) {
    control->move(left, top, width, height);
    return control;
}

} // namespace

frmRadioGroup::frmRadioGroup() : ui::Form("frmRadioGroup") {}

void frmRadioGroup::createControls() {
    setCaption(" Radio Button Group");
    setClientSize(5520, 4860);
    setBackColor(DialogColour);

    Label1 = Placed(add<ui::Label>("Label1"), 120, 180, 600, 255);
    Label1->setCaption("Name :");
    Text1 = Placed(add<ui::TextBox>("Text1"), 780, 135, 2400, 315);

    Frame1 = Placed(add<ui::Frame>("Frame1"), 120, 600, 5280, 3120);
    Frame1->setCaption(" Options ");
    auto inFrame = [this](auto* control, int left, int top, int width, int height) {
        control->setContainer(Frame1);
        return Placed(control, left, top, width, height);
    };

    List1 = inFrame(add<ui::ListBox>("List1"), 120, 300, 2520, 2040);
    List1->setSorted(ui::Sorted::No);
    List1->onClick = [this] { List1_Click(); };
    // The options' texts, row for row with List1, under it and never seen.
    List2 = inFrame(add<ui::ListBox>("List2"), 120, 300, 2520, 2040);
    List2->setSorted(ui::Sorted::No);
    List2->setVisible(false);

    auto pictureButton = [this](const char* name, const char* art, int left, int top) {
        auto* button =
            Placed(add<ui::CommandButton>(name), left, top, ButtonArtWidth, ButtonArtHeight);
        button->setPicture(ButtonArt(art));
        return button;
    };
    Command1 = pictureButton("Command1", "add-item", 120, 2460);
    Command1->setContainer(Frame1);
    Command1->onClick = [this] { Command1_Click(); };
    Command2 = pictureButton("Command2", "delete-item", 1920, 2460);
    Command2->setContainer(Frame1);
    Command2->onClick = [this] { Command2_Click(); };

    Label2 = inFrame(add<ui::Label>("Label2"), 2760, 300, 2400, 255);
    Label2->setCaption("Value :");
    Text2 = inFrame(add<ui::TextBox>("Text2"), 2760, 570, 2400, 315);
    Text2->onChange = [this] { Text2_Change(); };
    Label3 = inFrame(add<ui::Label>("Label3"), 2760, 990, 2400, 255);
    Label3->setCaption("Text :");
    Text3 = inFrame(add<ui::TextBox>("Text3"), 2760, 1260, 2400, 315);
    Text3->onChange = [this] { Text3_Change(); };

    Label4 = inFrame(add<ui::Label>("Label4"), 2760, 1680, 2400, 255);
    Label4->setCaption("Initial State :");
    const std::array<const char*, 2> states{"Selected", "Not Selected"};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = inFrame(add<ui::OptionButton>("Option1", i), 2760 + i * 1200, 1950, 1200, 255);
        Option1[i]->setCaption(states[i]);
        Option1[i]->onClick = [this, i] { Option1_Click(i); };
    }

    Check1 = Placed(add<ui::CheckBox>("Check1"), 120, 3840, 5280, 255);
    Check1->setCaption("Break Between Options (Create Vertical List)");

    Command3 = pictureButton("Command3", "insert-group", 2040, 4260);
    Command3->onClick = [this] { Command3_Click(); };
    Command4 = pictureButton("Command4", "cancel", 3720, 4260);
    Command4->onClick = [this] { Command4_Click(); };
}

// The lists start empty, so no option is current; CurIndex keeps its value from the last show.
void frmRadioGroup::Form_Load() {
    Text1->setText("RGroup1");
    CheckedIndex = -1;
}

void frmRadioGroup::Form_Unload() {
    // The controls die with the unload; drop the pointers so nothing reaches a dead control.
    Label1 = nullptr;
    Text1 = nullptr;
    Frame1 = nullptr;
    List1 = nullptr;
    List2 = nullptr;
    Command1 = nullptr;
    Command2 = nullptr;
    Label2 = nullptr;
    Text2 = nullptr;
    Label3 = nullptr;
    Text3 = nullptr;
    Label4 = nullptr;
    Option1 = {};
    Check1 = nullptr;
    Command3 = nullptr;
    Command4 = nullptr;
}

bool frmRadioGroup::HasCurrentOption() const {
    return CurIndex >= 0 && CurIndex < List1->listCount();
}

void frmRadioGroup::List1_Click() {
    CurIndex = List1->listIndex();
    if (CurIndex != CheckedIndex)
        Option1[1]->setValue(true);
    else
        Option1[0]->setValue(true);
    Text2->setText(List1->list(CurIndex));
    Text3->setText(List2->list(CurIndex));
}

void frmRadioGroup::Text2_Change() {
    if (HasCurrentOption())
        List1->setList(CurIndex, Text2->text());
}

void frmRadioGroup::Text3_Change() {
    if (HasCurrentOption())
        List2->setList(CurIndex, Text3->text());
}

void frmRadioGroup::Option1_Click(int Index) {
    if (Index == 0)
        CheckedIndex = CurIndex;
}

void frmRadioGroup::Command1_Click() {
    List1->addItem("* New Option");
    List2->addItem("Text For New Option");
    CurIndex = List1->listCount() - 1;
    List1->setListIndex(CurIndex);
    Text2->setText(List1->list(List1->listIndex()));
    Text3->setText(List2->list(List1->listIndex()));
    Text2->setFocus();
}

void frmRadioGroup::Command2_Click() {
    // Blanking the boxes first blanks the current option's row.
    sys::tryStep([&] { Text2->setText(""); });
    sys::tryStep([&] { Text3->setText(""); });
    sys::tryStep([&] { List1->removeItem(CurIndex); });
    sys::tryStep([&] { List2->removeItem(CurIndex); });
    // A removed checked option passes its mark to the option that moves up into its row.
    if (CurIndex < CheckedIndex)
        CheckedIndex = CheckedIndex - 1;
    sys::tryStep([&] {
        CurIndex = List1->listCount() - 1;
        List1->setListIndex(CurIndex);
    });
}

std::string frmRadioGroup::GroupHTML() const {
    const std::string Template = "<input type=\"radio\" value=\"[VALUE]\" [ISCHECKED] name=\"" +
                                 QuotesEscaped(Text1->text()) + "\">";
    std::string markup;
    for (int i = 0; i < List1->listCount(); ++i) {
        markup += ReplaceText(Template, "[VALUE]", QuotesEscaped(List1->list(i))) + List2->list(i);
        markup = ReplaceText(markup, "[ISCHECKED]", i == CheckedIndex ? "checked" : "");
        if (Check1->value() == ui::vbChecked)
            markup += "<BR>";
    }
    return markup;
}

void frmRadioGroup::Command3_Click() {
    if (Text1->text().empty()) {
        ui::msgBox("Name Cannot Be Zero Length.", ui::vbInformation, "Zirirur");
        return;
    }
    const std::string markup = GroupHTML();
    // An element selected as a whole gives no text range: the group has nowhere to go, and
    // the dialog closes with the page as it was.
    std::optional<dom::TextRange> range;
    sys::tryStep([&] { range = PageDocument()->selection().createRange(); });
    if (range) {
        range->select();
        range->pasteHTML(markup);
    }
    unload();
}

void frmRadioGroup::Command4_Click() {
    unload();
}

} // namespace zirirur
