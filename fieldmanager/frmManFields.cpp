#include "fieldmanager/frmManFields.h"

#include "addin/AModule.h"
#include "addin/modText.h"
#include "fieldmanager/AttributeGrammar.h"
#include "fieldmanager/EffectStatement.h"
#include "fieldmanager/FindFormAtCursor.h"
#include "fieldmanager/NumberReading.h"
#include "fieldmanager/ScriptString.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/Style.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/Required.h"
#include "platform/sys/Text.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/TextBox.h"

#include <array>

namespace zirirur {

namespace text = sys::text;

namespace {

constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Black = 0x000000;

// The effect frames share one place on the right of the dialog.
constexpr int EffectFrameLeft = 4560;
constexpr int EffectFrameTop = 840;
constexpr int EffectFrameWidth = 3975;
constexpr int EffectFrameHeight = 2895;

// Columns of an effect row inside its frame: caption, "+", "-", state label.
constexpr int RowCaptionLeft = 120;
constexpr int RowCaptionWidth = 2520;
constexpr int PlusLeft = 2700;
constexpr int MinusLeft = 3030;
constexpr int ButtonSize = 285;
constexpr int StateLeft = 3360;
constexpr int StateWidth = 495;
constexpr int RowHeight = 255;

template <typename T>
T* Placed(T* control, int left, int top, int width, int height, ui::Control* container = nullptr) {
    if (container != nullptr)
        control->setContainer(container);
    control->move(left, top, width, height);
    return control;
}

} // namespace

frmManFields::frmManFields() : ui::Form("frmManFields") {}

frmManFields::~frmManFields() = default;

void frmManFields::createControls() {
    setCaption(" Form Fields Manager");
    setClientSize(8700, 5040);

    // Left column: the form's name, its fields, the current field's name and value.
    Label7 = Placed(add<ui::Label>("Label7"), 120, 150, 1035, RowHeight);
    Label7->setCaption("Form Name :");
    Text3 = Placed(add<ui::TextBox>("Text3"), 1200, 105, 3240, 315);
    Text3->onChange = [this] { Text3_Change(); };

    Frame1 = Placed(add<ui::Frame>("Frame1"), 120, 540, 4320, 2775);
    Frame1->setCaption(" Form Fields : ");
    Label6 = Placed(add<ui::Label>("Label6"), 2040, 540, 1275, RowHeight);
    Label6->setCaption(" Selected Type :");
    txtType = Placed(add<ui::Label>("txtType"), 3315, 540, 1005, RowHeight);
    txtType->setCaption("-");
    List1 = Placed(add<ui::ListBox>("List1"), 120, 300, 4080, 2340, Frame1);
    List1->setSorted(ui::Sorted::No);
    List1->onClick = [this] { List1_Click(); };
    // The flag columns of the field table lie under the field list and are never seen.
    const std::array<std::pair<ui::ListBox**, const char*>, 8> flagLists{{
        {&List4, "List4"},
        {&List5, "List5"},
        {&List6, "List6"},
        {&List7, "List7"},
        {&List8, "List8"},
        {&List9, "List9"},
        {&List10, "List10"},
        {&List11, "List11"},
    }};
    for (const auto& [list, name] : flagLists) {
        *list = Placed(add<ui::ListBox>(name), 120, 300, 4080, 2340, Frame1);
        (*list)->setVisible(false);
    }

    Label1 = Placed(add<ui::Label>("Label1"), 120, 3465, 1035, RowHeight);
    Label1->setCaption("Name :");
    txtName = Placed(add<ui::TextBox>("txtName"), 1200, 3420, 3240, 315);
    txtName->onChange = [this] { txtName_Change(); };
    Label2 = Placed(add<ui::Label>("Label2"), 120, 3870, 1035, RowHeight);
    Label2->setCaption("Value :");
    txtValue = Placed(add<ui::TextBox>("txtValue"), 1200, 3825, 3240, 315);
    txtValue->onChange = [this] { txtValue_Change(); };

    // Right column: the choice of effect frame.
    Label18 = Placed(add<ui::Label>("Label18"), EffectFrameLeft, 150, 2000, RowHeight);
    Label18->setCaption("Selected Field Effects :");
    lstEffect = Placed(add<ui::ComboBox>("lstEffect"), EffectFrameLeft, 420, EffectFrameWidth, 315);
    lstEffect->setStyle(ui::ComboStyle::DropDownList);
    lstEffect->setToolTipText("Available Javascript Form Field Effects");
    for (const char* item :
         {"Text Functions", "Highlight Functions", "Other Functions", "Basic Text Style"})
        lstEffect->addItem(item);
    lstEffect->onClick = [this] { lstEffect_Click(); };

    auto frame = [this](const char* name, const char* caption) {
        auto* made = Placed(add<ui::Frame>(name), EffectFrameLeft, EffectFrameTop, EffectFrameWidth,
                            EffectFrameHeight);
        made->setCaption(caption);
        return made;
    };
    auto rowCaption = [this](const char* name, const char* caption, int top, ui::Frame* in) {
        auto* label =
            Placed(add<ui::Label>(name), RowCaptionLeft, top, RowCaptionWidth, RowHeight, in);
        label->setCaption(caption);
        return label;
    };
    auto button = [this](const char* name, const char* caption, const char* tip, int left, int top,
                         ui::Frame* in) {
        auto* made = Placed(add<ui::CommandButton>(name), left, top, ButtonSize, ButtonSize, in);
        made->setCaption(caption);
        made->setToolTipText(tip);
        return made;
    };
    auto plus = [&](const char* name, int top, ui::Frame* in) {
        return button(name, "+", "Turn Effect On", PlusLeft, top, in);
    };
    auto minus = [&](const char* name, int top, ui::Frame* in) {
        return button(name, "-", "Turn Effect Off", MinusLeft, top, in);
    };
    auto state = [this](const char* name, int top, ui::Frame* in) {
        auto* label = Placed(add<ui::Label>(name), StateLeft, top, StateWidth, RowHeight, in);
        label->setCaption("OFF");
        return label;
    };
    auto setButton = [&](const char* name, int left, int top, ui::Frame* in) {
        auto* made = button(name, "Set", "Set New Value In Place", left, top, in);
        made->move(left, top, 495, ButtonSize);
        return made;
    };
    auto pictureButton = [this](const char* name, const char* picture, int left, int top, int width,
                                int height, ui::Control* in) {
        auto* made = Placed(add<ui::CommandButton>(name), left, top, width, height, in);
        made->setPicture(picture);
        return made;
    };

    // Text Functions.
    Frame7 = frame("Frame7", " Text Functions ");
    rowCaption("Label3", "Limit text entered to X characters.", 300, Frame7);
    Command17 = plus("Command17", 300, Frame7);
    Command18 = minus("Command18", 300, Frame7);
    txtCharLimitOn = state("txtCharLimitOn", 300, Frame7);
    txtCharLimit = Placed(add<ui::TextBox>("txtCharLimit"), RowCaptionLeft, 630, 735, 285, Frame7);
    txtCharLimit->setText("50");
    txtCharLimit->onChange = [this] { txtCharLimit_Change(); };
    Command19 = setButton("Command19", 915, 630, Frame7);
    rowCaption("Label4", "Force Text Entered to Be Numbers Only.", 1140, Frame7);
    Command15 = plus("Command15", 1140, Frame7);
    Command16 = minus("Command16", 1140, Frame7);
    txtNumOnlyOn = state("txtNumOnlyOn", 1140, Frame7);
    rowCaption("Label5", "Force Text Entered to Become lower case...", 1620, Frame7);
    Command11 = plus("Command11", 1620, Frame7);
    Command14 = minus("Command14", 1620, Frame7);
    txtLowerOnlyOn = state("txtLowerOnlyOn", 1620, Frame7);
    rowCaption("Label8", "Force Text Entered to Become UPPER case...", 2100, Frame7);
    Command12 = plus("Command12", 2100, Frame7);
    Command13 = minus("Command13", 2100, Frame7);
    txtUpperOnlyOn = state("txtUpperOnlyOn", 2100, Frame7);

    // Highlighting On Focus.
    Frame2 = frame("Frame2", " Highlighting On Focus ");
    rowCaption("Label9", "Apply Highlighting Functions :", 300, Frame2);
    Command6 = plus("Command6", 300, Frame2);
    Command7 = minus("Command7", 300, Frame2);
    txtHigh = state("txtHigh", 300, Frame2);
    auto swatch = [&](const char* labelName, const char* caption, const char* name,
                      const char* buttonName, int top, int32_t colour, const char* tip,
                      ui::CommandButton** colourButton) {
        rowCaption(labelName, caption, top, Frame2);
        auto* picture = Placed(add<ui::PictureBox>(name), 2640, top, 600, RowHeight, Frame2);
        picture->setBackColor(colour);
        picture->setToolTipText(tip);
        *colourButton = pictureButton(buttonName, "pen", 3300, top, 255, 255, Frame2);
        return picture;
    };
    Picture1 = swatch("Label10", "Background Highlight Color :", "Picture1", "Command4", 720, White,
                      "#FFFFFF", &Command4);
    Picture2 = swatch("Label11", "Background Non Highlight Color :", "Picture2", "Command5", 1080,
                      White, "#FFFFFF", &Command5);
    picHighlightText = swatch("Label12", "Text Highlight Color :", "picHighlightText", "Command20",
                              1440, Black, "#000000", &Command20);
    picNormalText = swatch("Label13", "Text Non Highlight Color :", "picNormalText", "Command23",
                           1800, Black, "#000000", &Command23);
    Command25 = pictureButton("Command25", "Apply To All", 120, 2280, 1215, 390, Frame2);

    // Other Functions.
    Frame8 = frame("Frame8", " Other Functions : ");
    rowCaption("Label14", "Locks Field From User Inputing Data", 300, Frame8);
    Command21 = plus("Command21", 300, Frame8);
    Command22 = minus("Command22", 300, Frame8);
    lblLockOn = state("lblLockOn", 300, Frame8);
    rowCaption("Label15", "Set Staus Bar Text When Field Has Focus.", 840, Frame8);
    Command8 = plus("Command8", 840, Frame8);
    Command9 = minus("Command9", 840, Frame8);
    txtStatusOn = state("txtStatusOn", 840, Frame8);
    txtStatus = Placed(add<ui::TextBox>("txtStatus"), RowCaptionLeft, 1200, 3000, 285, Frame8);
    Command10 = setButton("Command10", 3180, 1200, Frame8);

    // Text Style.
    Frame3 = frame("Frame3", " Text Style : ");
    rowCaption("Label16", "Set Bold On User Input", 300, Frame3);
    Command27 = plus("Command27", 300, Frame3);
    Command28 = minus("Command28", 300, Frame3);
    lblBoldFont = state("lblBoldFont", 300, Frame3);
    rowCaption("Label17", "Font Family.", 780, Frame3);
    lstFonts = Placed(add<ui::ComboBox>("lstFonts"), RowCaptionLeft, 1080, 3000, 315, Frame3);
    for (const char* item : {"arial,sans-serif", "Georgia,courier", "Impact", "Comic Sans MS"})
        lstFonts->addItem(item);
    lstFonts->setText("arial,sans-serif");
    Command24 = setButton("Command24", 3180, 1080, Frame3);
    Command26 = pictureButton("Command26", "Apply To All", 120, 2280, 1215, 390, Frame3);

    // The note and the bottom row.
    Label19 = Placed(add<ui::Label>("Label19"), 120, 4200, 8460, 420);
    Label19->setCaption(
        "Note : Changing Field/Form Names Inserted Via Zirirur Quick Components May Require "
        "Additional Changes To Be Made In HTML Mode For Some Javascripts And Events To Execute "
        "Correctly.");
    Command1 = pictureButton("Command1", "Add Hidden", 120, 4680, 1215, 300, nullptr);
    Command2 = pictureButton("Command2", "Delete Field", 1440, 4680, 1215, 300, nullptr);
    Command3 = pictureButton("Command3", "Close", 7365, 4680, 1215, 300, nullptr);

    Command4->onClick = [this] { Command4_Click(); };
    Command5->onClick = [this] { Command5_Click(); };
    Command20->onClick = [this] { Command20_Click(); };
    Command23->onClick = [this] { Command23_Click(); };
    Command6->onClick = [this] { Command6_Click(); };
    Command7->onClick = [this] { Command7_Click(); };
    Command25->onClick = [this] { Command25_Click(); };
    Command1->onClick = [this] { Command1_Click(); };
    Command2->onClick = [this] { Command2_Click(); };
    Command3->onClick = [this] { Command3_Click(); };
    Command11->onClick = [this] { Command11_Click(); };
    Command12->onClick = [this] { Command12_Click(); };
    Command13->onClick = [this] { Command13_Click(); };
    Command14->onClick = [this] { Command14_Click(); };
    Command15->onClick = [this] { Command15_Click(); };
    Command16->onClick = [this] { Command16_Click(); };
    Command17->onClick = [this] { Command17_Click(); };
    Command18->onClick = [this] { Command18_Click(); };
    Command19->onClick = [this] { Command19_Click(); };
    Command8->onClick = [this] { Command8_Click(); };
    Command9->onClick = [this] { Command9_Click(); };
    Command10->onClick = [this] { Command10_Click(); };
    Command21->onClick = [this] { Command21_Click(); };
    Command22->onClick = [this] { Command22_Click(); };
    Command24->onClick = [this] { Command24_Click(); };
    Command26->onClick = [this] { Command26_Click(); };
    Command27->onClick = [this] { Command27_Click(); };
    Command28->onClick = [this] { Command28_Click(); };
}

void frmManFields::Form_Load() {
    FormFound = false;
    sys::tryStep([&] { LoadFormFields(); });
    sys::tryStep([&] { lstEffect->setListIndex(0); });
    sys::tryStep([&] {
        if (!FormFound) {
            ui::msgBox("You must have your cursor in a form\rto manage the fields!",
                       ui::vbExclamation, "Zirirur");
            unload();
        }
    });
}

// --- the field model ---

void frmManFields::ClearFieldTable() {
    for (ui::ListBox* list : {List1, List4, List5, List6, List7, List8, List9, List10, List11})
        sys::tryStep([&] { list->clear(); });
}

void frmManFields::LoadFormFields() {
    ClearFieldTable();

    sys::tryStep([&] { FindFormAtCursor(PageDocument(), CurField, CurForm, FormFound); });

    if (!FormFound)
        return;

    sys::tryStep([&] { Text3->setText(sys::required(CurForm).getProperty("name")); });

    // Which flag list holds which effect, read from which attribute by which key.
    struct Detection {
        ui::ListBox* list;
        const char* attribute;
        std::string_view key;
    };
    const std::array<Detection, 8> detections{{
        {List4, "onfocus", EffectStatement::HighlightKey},
        {List5, "onfocus", "ZirirurStatus('"},
        {List6, "onkeyup", "ZirirurTextCounter(this,"},
        {List7, "onblur", "ZirirurNumberOnly(this)"},
        {List8, "onblur", "VQRMakeUpper(this)"},
        {List9, "onblur", "VQRMakeLower(this)"},
        {List10, "onfocus", "this.blur()"},
        {List11, "onfocus", "this.style.fontWeight="},
    }};

    int count = 0;
    sys::tryStep([&] { count = sys::required(CurForm).length(); });
    for (int i = 0; i < count; ++i) {
        // Every list gets its row, so the nine lists stay in step even when a field cannot
        // be read.
        std::string name;
        sys::tryStep(
            [&] { name = sys::required(sys::required(CurForm).item(i)).getProperty("Name"); });
        sys::tryStep([&] { List1->addItem(name); });
        for (const Detection& detection : detections) {
            std::string value;
            sys::tryStep(
                [&] { value = GetJMethod(sys::required(CurForm).item(i), detection.attribute); });
            const bool on = text::find(value, detection.key) != 0;
            sys::tryStep([&] { detection.list->addItem(on ? "YES" : "NO"); });
        }
    }

    sys::tryStep([&] { List1->setListIndex(0); });
}

std::string frmManFields::GetJMethod(const std::shared_ptr<dom::Element>& TheElem,
                                     const std::string& WhatMethod) {
    std::string value;
    sys::tryStep(
        [&] { value = AttributeGrammar::read(sys::required(TheElem).outerHTML(), WhatMethod); });
    // The markup shows a few characters of a script as references (a double quote as &quot;);
    // the caller gets the script itself.
    return dom::HtmlSerializer::attributeValueFromMarkup(value);
}

void frmManFields::SetJMethod(const std::shared_ptr<dom::Element>& TheElem,
                              const std::string& WhatMethod, const std::string& WhatScript) {
    sys::tryStep([&] {
        const auto rewritten =
            AttributeGrammar::rewrite(sys::required(TheElem).outerHTML(), WhatMethod, WhatScript);
        if (rewritten)
            TheElem->setOuterHTML(*rewritten);
    });
    sys::tryStep([&] { RefetchCurField(); });
}

void frmManFields::RefetchCurField() {
    auto field = sys::required(CurForm).item(List1->listIndex());
    sys::required(field);
    CurField = field;
}

bool frmManFields::HasCurrentField() const {
    return List1 != nullptr && List1->listIndex() >= 0 && List1->listIndex() < List1->listCount();
}

void frmManFields::SetFlag(ui::ListBox* list, int row, Flag flag) {
    list->setList(row, flag == Flag::Yes ? "YES" : "NO");
}

bool frmManFields::FlagIsOn(const ui::ListBox* list, int row) {
    return list->list(row) == "YES";
}

void frmManFields::ShowState(ui::Label* label, bool on) {
    label->setCaption(on ? "ON" : "OFF");
}

// --- the dialog ---

void frmManFields::List1_Click() {
    sys::tryStep([&] { RefetchCurField(); });
    sys::tryStep([&] { txtName->setText(sys::required(CurField).getProperty("Name")); });
    sys::tryStep([&] { txtValue->setText(sys::required(CurField).getProperty("Value")); });
    sys::tryStep(
        [&] { txtType->setCaption(text::lower(sys::required(CurField).getProperty("Type"))); });

    const int row = List1->listIndex();
    sys::tryStep([&] {
        if (FlagIsOn(List4, row)) {
            ShowState(txtHigh, true);
            LoadSwatches();
        } else {
            ShowState(txtHigh, false);
        }
    });

    sys::tryStep([&] { lstFonts->setText(sys::required(CurField).style().fontFamily()); });

    sys::tryStep([&] {
        if (FlagIsOn(List5, row)) {
            ShowState(txtStatusOn, true);
            // The text ends at the first "')": pages written before hold apostrophes as typed.
            txtStatus->setText(ScriptString::unescaped(
                TextBetween(GetJMethod(CurField, "onfocus"), "ZirirurStatus('", "')")));
        } else {
            ShowState(txtStatusOn, false);
        }
    });

    sys::tryStep([&] { ShowState(lblBoldFont, FlagIsOn(List11, row)); });

    sys::tryStep([&] {
        if (FlagIsOn(List6, row)) {
            ShowState(txtCharLimitOn, true);
            txtCharLimit->setText(
                TextBetween(GetJMethod(CurField, "onKeyup"), "ZirirurTextCounter(this,", ")"));
        } else {
            ShowState(txtCharLimitOn, false);
        }
    });

    sys::tryStep([&] { ShowState(txtNumOnlyOn, FlagIsOn(List7, row)); });
    sys::tryStep([&] { ShowState(txtUpperOnlyOn, FlagIsOn(List8, row)); });
    sys::tryStep([&] { ShowState(txtLowerOnlyOn, FlagIsOn(List9, row)); });
    sys::tryStep([&] { ShowState(lblLockOn, FlagIsOn(List10, row)); });
}

// A highlighted field shows its own four colours; the page holds them as colour text in script
// strings, read as the browser reads them.
void frmManFields::LoadSwatches() {
    struct SwatchSource {
        ui::PictureBox* swatch;
        const char* attribute;
        const char* startMark;
    };
    const std::array<SwatchSource, 4> sources{{
        {Picture1, "onfocus", "style.backgroundColor='"},
        {Picture2, "onblur", "style.backgroundColor='"},
        {picHighlightText, "onfocus", "style.color='"},
        {picNormalText, "onblur", "style.color='"},
    }};
    for (const SwatchSource& source : sources) {
        sys::tryStep([&] {
            const std::string colour =
                ScriptString::readAfter(GetJMethod(CurField, source.attribute), source.startMark);
            source.swatch->setToolTipText(colour);
            source.swatch->setBackColor(WhatLocalRGB(colour));
        });
    }
}

void frmManFields::lstEffect_Click() {
    Frame2->setVisible(false);
    Frame7->setVisible(false);
    Frame8->setVisible(false);
    Frame3->setVisible(false);
    switch (lstEffect->listIndex()) {
    case 0:
        Frame7->setVisible(true);
        break;
    case 1:
        Frame2->setVisible(true);
        break;
    case 2:
        Frame8->setVisible(true);
        break;
    case 3:
        Frame3->setVisible(true);
        break;
    default:
        break;
    }
}

void frmManFields::Command1_Click() {
    sys::tryStep([&] {
        sys::required(CurForm).insertAdjacentHTML(
            "AfterBegin", "<INPUT TYPE=\"HIDDEN\" NAME=\"H1\" VALUE=\"No Value\">");
    });
    sys::tryStep([&] { LoadFormFields(); });
    sys::tryStep([&] { List1->setListIndex(0); });
    sys::tryStep([&] { RefetchCurField(); });
}

void frmManFields::Command2_Click() {
    // With no rows there is no current field: the walk's FORM or BODY must never be deleted.
    if (List1->listCount() == 0)
        return;
    sys::required(CurField).setOuterHTML("");
    LoadFormFields();
}

void frmManFields::Command3_Click() {
    unload();
}

// Showing a field puts its own name and value into the boxes, which runs these handlers: a
// text equal to what the page holds is not written again, so merely looking at a field never
// adds an empty name or value attribute to it.
namespace {

void WriteProperty(dom::Element& element, const std::string& property, const std::string& text) {
    if (element.getProperty(property) != text)
        element.setProperty(property, text);
}

} // namespace

void frmManFields::Text3_Change() {
    WriteProperty(sys::required(CurForm), "name", Text3->text());
}

void frmManFields::txtName_Change() {
    if (List1->listCount() == 0)
        return;
    WriteProperty(sys::required(CurField), "Name", txtName->text());
    List1->setList(List1->listIndex(), txtName->text());
}

void frmManFields::txtValue_Change() {
    if (List1->listCount() == 0)
        return;
    WriteProperty(sys::required(CurField), "Value", txtValue->text());
}

void frmManFields::txtCharLimit_Change() {
    txtCharLimit->setText(NumberReading::normalised(txtCharLimit->text()));
}

// --- colour text ---

int frmManFields::HexDigitValue(const std::string& ch) {
    static const std::string Digits = "0123456789ABCDEF";
    if (ch.size() != 1)
        return 0;
    const auto at = Digits.find(ch[0]);
    return at == std::string::npos ? 0 : static_cast<int>(at);
}

int32_t frmManFields::WhatLocalRGB(const std::string& ValHex) {
    if (text::length(ValHex) < 6)
        return 0;
    std::string s = ValHex;
    if (text::left(s, 1) == "#")
        s = text::right(s, 6);
    const std::string red = text::mid(s, 1, 2);
    const std::string green = text::mid(s, 3, 2);
    const std::string blue = text::right(s, 2);
    auto pair = [](const std::string& digits) {
        return 16 * HexDigitValue(text::left(digits, 1)) + HexDigitValue(text::right(digits, 1));
    };
    return pair(red) + 256 * pair(green) + 65536 * pair(blue);
}

} // namespace zirirur
