// The highlighting of the Form Fields Manager: a field's background and text colours while it
// has the focus and while it has not, written as statements into its onfocus and onblur and,
// for the colours without focus, into its inline style. The four swatches hold the colours as
// colour text in their tooltips; that text is what goes into the page.
#include "colorpicker/ColorSel.h"
#include "fieldmanager/EffectStatement.h"
#include "fieldmanager/ScriptString.h"
#include "fieldmanager/frmManFields.h"
#include "platform/dom/Element.h"
#include "platform/dom/Style.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/Required.h"
#include "platform/sys/Text.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PictureBox.h"

namespace zirirur {

namespace text = sys::text;

// A colour read back from a page may hold what would end its script string; it is written
// escaped, as the status text is, so that passing it on to other fields breaks none of them.
void frmManFields::AddColorStatement(const EffectStatement& statement,
                                     const ui::PictureBox* swatch) {
    std::string color;
    sys::tryStep([&] { color = ScriptString::escaped(swatch->toolTipText()); });
    AddStatement(statement, statement.text(color));
}

void frmManFields::ApplyHighlighting() {
    AddColorStatement(EffectStatement::BackgroundOnFocus, Picture1);
    Yield(4);
    sys::tryStep([&] { RefetchCurField(); });

    AddColorStatement(EffectStatement::TextColorOnFocus, picHighlightText);
    Yield(4);
    sys::tryStep([&] { RefetchCurField(); });

    // The colours without focus are the field's own until it first gets the focus.
    sys::tryStep(
        [&] { sys::required(CurField).style().setBackgroundColor(Picture2->toolTipText()); });
    sys::tryStep([&] { sys::required(CurField).style().setColor(picNormalText->toolTipText()); });
    sys::tryStep([&] { RefetchCurField(); });

    AddColorStatement(EffectStatement::BackgroundOnBlur, Picture2);
    Yield(3);
    sys::tryStep([&] { RefetchCurField(); });

    AddColorStatement(EffectStatement::TextColorOnBlur, picNormalText);
}

// Only a field that shows the highlighting's key has its background statement taken out; the
// text colour statements stay, so the field still changes its text colour on focus and blur.
void frmManFields::RemoveBackgroundStatement(const EffectStatement& statement) {
    std::string value;
    sys::tryStep([&] { value = ReadAttribute(statement.attribute); });
    if (text::find(value, EffectStatement::HighlightKey) == 0)
        return;
    sys::tryStep([&] {
        WriteAttribute(statement.attribute, EffectStatement::closed(statement.remainder(value)));
    });
}

void frmManFields::RemoveHighlighting() {
    RemoveBackgroundStatement(EffectStatement::BackgroundOnFocus);
    Yield(8);
    sys::tryStep([&] { RefetchCurField(); });
    sys::tryStep([&] { sys::required(CurField).style().setBackgroundColor(""); });
    sys::tryStep([&] { RefetchCurField(); });
    RemoveBackgroundStatement(EffectStatement::BackgroundOnBlur);
}

// No error is suppressed here. Cancel leaves the swatch as it was, yet a highlighted field
// has its statements written again all the same.
void frmManFields::ChooseSwatchColor(ui::PictureBox* swatch) {
    ColorSel::ChooseFor(swatch);
    // With no field left in the list the highlighting would land on the form itself.
    if (txtHigh->caption() == "ON" && HasCurrentField())
        ApplyHighlighting();
}

void frmManFields::Command4_Click() {
    ChooseSwatchColor(Picture1);
}

void frmManFields::Command5_Click() {
    ChooseSwatchColor(Picture2);
}

void frmManFields::Command20_Click() {
    ChooseSwatchColor(picHighlightText);
}

void frmManFields::Command23_Click() {
    ChooseSwatchColor(picNormalText);
}

void frmManFields::Command6_Click() {
    if (!HasCurrentField())
        return;
    ApplyHighlighting();
    sys::tryStep([&] { SetFlag(List4, List1->listIndex(), Flag::Yes); });
    sys::tryStep([&] { ShowState(txtHigh, true); });
}

void frmManFields::Command7_Click() {
    if (!HasCurrentField())
        return;
    RemoveHighlighting();
    sys::tryStep([&] { SetFlag(List4, List1->listIndex(), Flag::No); });
    sys::tryStep([&] { ShowState(txtHigh, false); });
}

// Gives every field of the form the highlighting state of the current one. Selecting a
// highlighted field loads its colours into the swatches, so a field that was not highlighted
// takes the colours of the nearest highlighted field before it.
void frmManFields::Command25_Click() {
    Setting highlighting = Setting::Off;
    sys::tryStep([&] { highlighting = txtHigh->caption() == "ON" ? Setting::On : Setting::Off; });

    int count = 0;
    sys::tryStep([&] { count = List1->listCount(); });
    for (int row = 0; row < count; ++row) {
        sys::tryStep([&] { List1->setListIndex(row); });
        Yield(1);
        if (highlighting == Setting::On) {
            sys::tryStep([&] { SetFlag(List4, row, Flag::Yes); });
            sys::tryStep([&] { ShowState(txtHigh, true); });
            ApplyHighlighting();
        } else {
            sys::tryStep([&] { SetFlag(List4, row, Flag::No); });
            sys::tryStep([&] { ShowState(txtHigh, false); });
            RemoveHighlighting();
        }
    }
}

} // namespace zirirur
