#include "colorpicker/ColorSel.h"

#include "addin/AModule.h"
#include "addin/ButtonArt.h"
#include "addin/ProjectGlobals.h"
#include "colorpicker/AZColorBox.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/Required.h"
#include "platform/sys/Text.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PropertyBag.h"
#include "platform/ui/Shape.h"
#include "platform/ui/TextBox.h"

#include <memory>
#include <vector>

namespace zirirur {

namespace text = sys::text;

namespace {

std::unique_ptr<ColorSel>& defaultInstance() {
    static std::unique_ptr<ColorSel> form;
    return form;
}

// The page's colours fill the custom cells from the first, as many as there are of these.
constexpr int CustomCellsFromPage = 24;

constexpr int KeyEnter = 13;

} // namespace

ColorSel::ColorSel() : ui::Form("ColorSel") {}

ColorSel::~ColorSel() = default;

ColorSel& ColorSel::instance() {
    auto& form = defaultInstance();
    if (!form)
        form = std::make_unique<ColorSel>();
    return *form;
}

void ColorSel::releaseInstance() {
    defaultInstance().reset();
}

void ColorSel::ChooseFor(ui::Control* target) {
    ColorTarget = target;
    const std::string t = target->toolTipText();
    ColorSel& selector = instance();
    selector.load();
    selector.ColorBox->setHTMLColor(t);
    selector.HTMLColor->setText(t);
    selector.show(ui::ShowMode::Modal);
}

void ColorSel::createControls() {
    setCaption("Color Selector");
    setClientSize(3795, 2385);

    // The page's colours are gathered in a sorted list that lies under the colour control.
    ColorList = add<ui::ListBox>("ColorList");
    ColorList->move(960, 600, 855, 450);
    ColorList->setSorted(ui::Sorted::Yes);
    ColorList->setVisible(false);

    ColorBox = add<AZColorBox>("ColorBox");
    ColorBox->move(30, 15, 2085, 2355);
    // The design keeps the control's defaults.
    ColorBox->readProperties(ui::PropertyBag{});
    ColorBox->onChange = [this](std::int32_t&) { ColorBox_Change(); };
    ColorBox->onDblClick = [this] { Command2_Click(); };

    Shape1 = add<ui::Shape>("Shape1");
    Shape1->move(2130, 60, 1635, 1110);

    Label20 = add<ui::Label>("Label20");
    Label20->move(2160, 120, 1215, 255);
    Label20->setCaption("HTML Value :");

    HTMLColor = add<ui::TextBox>("HTMLColor");
    HTMLColor->move(2160, 360, 1575, 285);
    HTMLColor->setToolTipText("HTML Color Value");
    HTMLColor->onKeyPress = [this](int& KeyAscii) { HTMLColor_KeyPress(KeyAscii); };

    btDocColors = add<ui::CommandButton>("btDocColors");
    btDocColors->move(2160, 720, 1575, 375);
    btDocColors->setPicture(ButtonArt("doc-colors"));
    btDocColors->setToolTipText("Get Colors From Document");
    btDocColors->onClick = [this] { btDocColors_Click(); };

    Command2 = add<ui::CommandButton>("Command2");
    Command2->move(2160, 1560, 1575, 375);
    Command2->setPicture(ButtonArt("okay"));
    Command2->onClick = [this] { Command2_Click(); };

    Command7 = add<ui::CommandButton>("Command7");
    Command7->move(2160, 1920, 1575, 375);
    Command7->setPicture(ButtonArt("cancel"));
    Command7->onClick = [this] { Command7_Click(); };
}

void ColorSel::Form_Unload() {
    // The controls die with the unload; nothing may reach them through these afterwards.
    ColorBox = nullptr;
    HTMLColor = nullptr;
    Label20 = nullptr;
    btDocColors = nullptr;
    Command2 = nullptr;
    Command7 = nullptr;
    ColorList = nullptr;
    Shape1 = nullptr;
}

void ColorSel::ColorBox_Change() {
    HTMLColor->setText(ColorBox->HTMLColor());
}

// The active colour goes back, never the selected one: the colour shown in the band and the box.
void ColorSel::Command2_Click() {
    sys::tryStep([&] { sys::required(ColorTarget).setBackColor(ColorBox->ActiveColor()); });
    sys::tryStep([&] { sys::required(ColorTarget).setToolTipText(ColorBox->HTMLColor()); });
    sys::tryStep([&] { unload(); });
}

void ColorSel::Command7_Click() {
    unload();
}

// Typed letters show in upper case; Enter applies the text as a colour when it is six letters
// and digits, or "#" and six.
void ColorSel::HTMLColor_KeyPress(int& KeyAscii) {
    if (KeyAscii >= 'a' && KeyAscii <= 'z')
        KeyAscii -= 'a' - 'A';
    if (KeyAscii != KeyEnter)
        return;
    std::string t = HTMLColor->text();
    if (t.empty())
        return;
    if (text::length(t) > 6)
        t = text::right(t, 6);
    if (!IsAlphaNumeric(t))
        return;
    ColorBox->setHTMLColor(text::upper(t));
    HTMLColor->setText(ColorBox->HTMLColor());
}

// Each element's opening tag gives the colour text that starts at its last "#", whatever
// follows; the sorted list then loses its repeats and fills the first custom cells.
void ColorSel::btDocColors_Click() {
    sys::tryStep([&] { ColorList->clear(); });

    std::vector<std::shared_ptr<dom::Element>> elements;
    sys::tryStep([&] { elements = sys::required(PageDocument()).all().toVector(); });
    for (const auto& element : elements) {
        sys::tryStep([&] {
            std::string tag = sys::required(element).outerHTML();
            const auto close = tag.find('>');
            tag = close == std::string::npos ? std::string() : tag.substr(0, close + 1);
            // "#" is one byte in UTF-8 and never part of another character.
            const auto hash = tag.rfind('#');
            if (hash != std::string::npos)
                ColorList->addItem(text::left(std::string_view(tag).substr(hash), 7));
        });
    }

    int count = 0;
    sys::tryStep([&] { count = ColorList->listCount(); });
    if (count == 0)
        return;

    // Equal texts stand together in the sorted list.
    sys::tryStep([&] {
        int i = 0;
        while (i < ColorList->listCount() - 1) {
            if (ColorList->list(i) == ColorList->list(i + 1))
                ColorList->removeItem(i + 1);
            else
                ++i;
        }
    });

    sys::tryStep([&] { count = ColorList->listCount(); });
    for (int i = 0; i < count && i < CustomCellsFromPage; ++i)
        sys::tryStep([&] { ColorBox->AddHTMLToCustom(ColorList->list(i), i); });

    sys::tryStep([&] { ColorBox->SetPal("Custom"); });
}

} // namespace zirirur
