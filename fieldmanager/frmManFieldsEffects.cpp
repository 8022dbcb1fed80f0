// The field effects: the writers of the effect statements and the commands of the Text
// Functions, Other Functions and Text Style frames. Every step runs with errors ignored.
#include "addin/AModule.h"
#include "fieldmanager/EffectStatement.h"
#include "fieldmanager/ScriptString.h"
#include "fieldmanager/frmManFields.h"
#include "platform/dom/Element.h"
#include "platform/dom/Style.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/Required.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/TextBox.h"

namespace zirirur {

namespace {

bool Insert(const ScriptFile& script) {
    return InsertScriptFile(std::string(script.id), std::string(script.fileName));
}

} // namespace

void frmManFields::Yield(int times) {
    for (int i = 0; i < times; ++i)
        ui::doEvents();
}

void frmManFields::WriteAttribute(EffectAttribute attribute, const std::string& value) {
    dom::Element& field = sys::required(CurField);
    switch (attribute) {
    case EffectAttribute::OnKeyUp:
        field.setOnkeyup(value);
        break;
    case EffectAttribute::OnFocus:
        field.setProperty("onfocus", value);
        break;
    case EffectAttribute::OnBlur:
        field.setProperty("onblur", value);
        break;
    }
}

// The rules start from the attribute itself: in the field's markup its name may first stand
// inside another attribute or the field's text, or too far in to be found, and a rule's result
// must never put such text in the place of the page's own handler.
std::string frmManFields::ReadAttribute(EffectAttribute attribute) const {
    const dom::Element& field = sys::required(CurField);
    if (attribute == EffectAttribute::OnKeyUp)
        return field.onkeyup();
    return field.getProperty(attribute == EffectAttribute::OnFocus ? "onfocus" : "onblur");
}

void frmManFields::EditAttribute(EffectAttribute attribute,
                                 const std::function<std::string(std::string_view)>& rule) {
    std::string value;
    sys::tryStep([&] { value = ReadAttribute(attribute); });
    sys::tryStep([&] { WriteAttribute(attribute, rule(value)); });
}

void frmManFields::AddStatement(const EffectStatement& statement, const std::string& text) {
    EditAttribute(statement.attribute,
                  [&](std::string_view value) { return statement.added(value, text); });
}

void frmManFields::RemoveStatement(const EffectStatement& statement) {
    EditAttribute(statement.attribute,
                  [&](std::string_view value) { return statement.removed(value); });
}

void frmManFields::AddLock() {
    EditAttribute(EffectAttribute::OnFocus, EffectStatement::lockAdded);
}

void frmManFields::RemoveLock() {
    EditAttribute(EffectAttribute::OnFocus, EffectStatement::lockRemoved);
}

// --- the writers ---

bool frmManFields::ApplyCharCounter() {
    if (!Insert(EffectStatement::TextFunctions))
        return false;
    sys::tryStep([&] {
        AddStatement(EffectStatement::CharCounter,
                     EffectStatement::CharCounter.text(txtCharLimit->text()));
    });
    Yield(3);
    sys::tryStep([&] { RefetchCurField(); });
    return true;
}

bool frmManFields::ApplyStatusText() {
    if (!Insert(EffectStatement::StatusScript))
        return false;
    sys::tryStep([&] {
        AddStatement(EffectStatement::StatusOnFocus,
                     EffectStatement::StatusOnFocus.text(ScriptString::escaped(txtStatus->text())));
    });
    Yield(8);
    sys::tryStep([&] { RefetchCurField(); });
    AddStatement(EffectStatement::StatusOnBlur, EffectStatement::StatusOnBlur.text());
    sys::tryStep([&] { RefetchCurField(); });
    return true;
}

void frmManFields::ApplyBoldOnFocus() {
    AddStatement(EffectStatement::BoldOnFocus, EffectStatement::BoldOnFocus.text());
    Yield(8);
    sys::tryStep([&] { RefetchCurField(); });
    AddStatement(EffectStatement::BoldOnBlur, EffectStatement::BoldOnBlur.text());
    sys::tryStep([&] { RefetchCurField(); });
}

void frmManFields::RemoveBold() {
    RemoveStatement(EffectStatement::BoldOnFocus);
    Yield(2);
    RemoveStatement(EffectStatement::BoldOnBlur);
}

// --- the commands; none acts without a selected field, so nothing lands on the form itself ---

void frmManFields::Command12_Click() {
    if (!HasCurrentField())
        return;
    if (txtLowerOnlyOn->caption() == "ON") {
        ui::msgBox("Cannot set upper case if lower case set!", ui::vbInformation, "Zirirur");
        return;
    }
    if (!Insert(EffectStatement::TextFunctions))
        return;
    sys::tryStep([&] { SetFlag(List8, List1->listIndex(), Flag::Yes); });
    sys::tryStep([&] { ShowState(txtUpperOnlyOn, true); });
    AddStatement(EffectStatement::UpperCase, EffectStatement::UpperCase.text());
    Yield(3);
    sys::tryStep([&] { RefetchCurField(); });
}

void frmManFields::Command13_Click() {
    if (!HasCurrentField())
        return;
    sys::tryStep([&] { SetFlag(List8, List1->listIndex(), Flag::No); });
    sys::tryStep([&] { ShowState(txtUpperOnlyOn, false); });
    RemoveStatement(EffectStatement::UpperCase);
}

void frmManFields::Command11_Click() {
    if (!HasCurrentField())
        return;
    if (txtUpperOnlyOn->caption() == "ON") {
        ui::msgBox("Cannot set lower case if UPPER case set!", ui::vbInformation, "Zirirur");
        return;
    }
    if (!Insert(EffectStatement::TextFunctions))
        return;
    sys::tryStep([&] { SetFlag(List9, List1->listIndex(), Flag::Yes); });
    sys::tryStep([&] { ShowState(txtLowerOnlyOn, true); });
    AddStatement(EffectStatement::LowerCase, EffectStatement::LowerCase.text());
    Yield(3);
    sys::tryStep([&] { RefetchCurField(); });
}

void frmManFields::Command14_Click() {
    if (!HasCurrentField())
        return;
    sys::tryStep([&] { SetFlag(List9, List1->listIndex(), Flag::No); });
    sys::tryStep([&] { ShowState(txtLowerOnlyOn, false); });
    RemoveStatement(EffectStatement::LowerCase);
}

void frmManFields::Command15_Click() {
    if (!HasCurrentField())
        return;
    if (!Insert(EffectStatement::TextFunctions))
        return;
    sys::tryStep([&] { SetFlag(List7, List1->listIndex(), Flag::Yes); });
    sys::tryStep([&] { ShowState(txtNumOnlyOn, true); });
    AddStatement(EffectStatement::NumbersOnly, EffectStatement::NumbersOnly.text());
    Yield(3);
    sys::tryStep([&] { RefetchCurField(); });
}

void frmManFields::Command16_Click() {
    if (!HasCurrentField())
        return;
    sys::tryStep([&] { SetFlag(List7, List1->listIndex(), Flag::No); });
    sys::tryStep([&] { ShowState(txtNumOnlyOn, false); });
    RemoveStatement(EffectStatement::NumbersOnly);
}

void frmManFields::Command17_Click() {
    if (!HasCurrentField())
        return;
    if (!ApplyCharCounter())
        return;
    sys::tryStep([&] { SetFlag(List6, List1->listIndex(), Flag::Yes); });
    sys::tryStep([&] { ShowState(txtCharLimitOn, true); });
}

void frmManFields::Command19_Click() {
    Command17_Click();
}

void frmManFields::Command18_Click() {
    if (!HasCurrentField())
        return;
    sys::tryStep([&] { SetFlag(List6, List1->listIndex(), Flag::No); });
    RemoveStatement(EffectStatement::CharCounter);
    sys::tryStep([&] { ShowState(txtCharLimitOn, false); });
}

void frmManFields::Command8_Click() {
    if (!HasCurrentField())
        return;
    if (!ApplyStatusText())
        return;
    sys::tryStep([&] { SetFlag(List5, List1->listIndex(), Flag::Yes); });
    sys::tryStep([&] { ShowState(txtStatusOn, true); });
}

void frmManFields::Command10_Click() {
    Command8_Click();
}

void frmManFields::Command9_Click() {
    if (!HasCurrentField())
        return;
    sys::tryStep([&] { SetFlag(List5, List1->listIndex(), Flag::No); });
    sys::tryStep([&] { ShowState(txtStatusOn, false); });
    RemoveStatement(EffectStatement::StatusOnFocus);
    Yield(2);
    RemoveStatement(EffectStatement::StatusOnBlur);
}

void frmManFields::Command21_Click() {
    if (!HasCurrentField())
        return;
    AddLock();
    Yield(3);
    sys::tryStep([&] { RefetchCurField(); });
    sys::tryStep([&] { ShowState(lblLockOn, true); });
    sys::tryStep([&] { SetFlag(List10, List1->listIndex(), Flag::Yes); });
}

void frmManFields::Command22_Click() {
    if (!HasCurrentField())
        return;
    RemoveLock();
    Yield(3);
    sys::tryStep([&] { RefetchCurField(); });
    sys::tryStep([&] { ShowState(lblLockOn, false); });
    sys::tryStep([&] { SetFlag(List10, List1->listIndex(), Flag::No); });
}

void frmManFields::Command24_Click() {
    if (!HasCurrentField())
        return;
    sys::tryStep([&] { sys::required(CurField).style().setFontFamily(lstFonts->text()); });
}

void frmManFields::Command27_Click() {
    if (!HasCurrentField())
        return;
    ApplyBoldOnFocus();
    sys::tryStep([&] { RefetchCurField(); });
    sys::tryStep([&] { ShowState(lblBoldFont, true); });
    sys::tryStep([&] { SetFlag(List11, List1->listIndex(), Flag::Yes); });
}

void frmManFields::Command28_Click() {
    if (!HasCurrentField())
        return;
    sys::tryStep([&] { SetFlag(List11, List1->listIndex(), Flag::No); });
    sys::tryStep([&] { ShowState(lblBoldFont, false); });
    RemoveBold();
}

// Gives every field of the form the chosen font family and the chosen bold state.
void frmManFields::Command26_Click() {
    std::string family;
    sys::tryStep([&] { family = lstFonts->text(); });
    Setting bold = Setting::Off;
    sys::tryStep([&] { bold = lblBoldFont->caption() == "ON" ? Setting::On : Setting::Off; });

    int count = 0;
    sys::tryStep([&] { count = List1->listCount(); });
    for (int row = 0; row < count; ++row) {
        // Selecting the row shows the field's own state, its family and bold label among it.
        sys::tryStep([&] { List1->setListIndex(row); });
        sys::tryStep([&] { lstFonts->setText(family); });
        sys::tryStep([&] { sys::required(CurField).style().setFontFamily(family); });
        if (bold == Setting::On) {
            ApplyBoldOnFocus();
            sys::tryStep([&] { SetFlag(List11, row, Flag::Yes); });
        } else {
            sys::tryStep([&] { SetFlag(List11, row, Flag::No); });
            RemoveBold();
        }
        sys::tryStep([&] { ShowState(lblBoldFont, bold == Setting::On); });
    }
}

} // namespace zirirur
