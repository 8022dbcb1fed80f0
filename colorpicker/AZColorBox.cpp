// The colour control's interface: creation, the public members, the active and the selected
// colour with their events, the fixed size and the stored properties.
#include "colorpicker/AZColorBox.h"

#include "colorpicker/HueTable.h"
#include "platform/sys/Error.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/Text.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"
#include "platform/ui/PictureBox.h"

#include <cstdio>

namespace zirirur {

namespace text = sys::text;

namespace {

// What a container stores for a control that keeps its defaults.
constexpr std::int32_t DefaultBackColor = std::int32_t(0x80000005);
constexpr std::int32_t DefaultForeColor = std::int32_t(0x80000012);
constexpr std::int32_t DefaultPalette = 11;

std::vector<std::int32_t> HueTableHues() {
    std::vector<std::int32_t> hues;
    for (const NamedHue& named : HueTable)
        hues.push_back(named.Hue);
    return hues;
}

// A stored value of the kind expected; a value of another kind is a damaged store, which reads
// as a type mismatch (error 13).
template <typename T>
T stored(const ui::PropertyBag& bag, const std::string& key, const T& defaultValue) {
    const ui::PropertyValue value = bag.readProperty(key, defaultValue);
    if (const T* held = std::get_if<T>(&value))
        return *held;
    sys::raise(sys::ErrTypeMismatch);
}

} // namespace

AZColorBox::AZColorBox(ui::Form& form, std::string name, int index)
    : ui::UserControl(form, std::move(name), index) {
    // The design: the face, the palette panel with the list and the button on it, and the
    // common dialog.
    move(0, 0, FixedWidth, FixedHeight);
    picPopup = add<ui::PictureBox>("picPopup");
    picPopup->move(0, 240, 2295, 2130);
    picPopup->setBackColor(0xC0C0C0);
    picPopup->setFillStyle(gfx::FillStyle::Solid);
    DropPal = add<ui::ComboBox>("DropPal");
    DropPal->setContainer(picPopup);
    DropPal->move(105, 1665, 1530, 315);
    DropPal->setStyle(ui::ComboStyle::DropDownList);
    for (const char* entry : {"Normal", "Custom", "Load Custom", "Save Custom"})
        DropPal->addItem(entry);
    MorePal = add<ui::CommandButton>("MorePal");
    MorePal->setContainer(picPopup);
    MorePal->move(1665, 1680, 315, 285);
    MorePal->setCaption(">>");
    MorePal->setToolTipText("More Colors...");
    MColors = add<ui::CommonDialog>("MColors");

    onPaint = [this] { UserControl_Paint(); };
    onResize = [this] { UserControl_Resize(); };
    onInitProperties = [this] { UserControl_InitProperties(); };
    onReadProperties = [this](const ui::PropertyBag& bag) { UserControl_ReadProperties(bag); };
    onWriteProperties = [this](ui::PropertyBag& bag) { UserControl_WriteProperties(bag); };
    picPopup->onPaint = [this] { picPopup_Paint(); };
    picPopup->onMouseDown = [this](int b, int s, int x, int y) { picPopup_MouseDown(b, s, x, y); };
    picPopup->onMouseMove = [this](int b, int s, int x, int y) { picPopup_MouseMove(b, s, x, y); };
    picPopup->onMouseUp = [this](int b, int s, int x, int y) { picPopup_MouseUp(b, s, x, y); };
    picPopup->onClick = [this] { picPopup_Click(); };
    picPopup->onDblClick = [this] { picPopup_DblClick(); };
    DropPal->onClick = [this] { DropPal_Click(); };
    MorePal->onClick = [this] { MorePal_Click(); };

    // Initialization. LastMainIndex and CustomIndex start at -1, PalType at "Normal" and the
    // grid constants at their values (members initialised where declared).
    tmrHover = std::make_unique<VadiduTimer>();
    tmrHover->OnTimer = [this] { tmrHover_OnTimer(); };
    tmrHover->setInterval(400);
    tmrHover->setEnabled(false);
    tmrHover->setName("Hover Timer");
    CustomHues = HueTableHues();
    BuildCustomPalette();
    BuildMainPalette();
    SelectedCell = FindNearestCell(0);
    HoverCell.Used = true;
    BaseCell = SelectedCell;
    DropPal->setListIndex(0);
    BuildShadePalette();
}

AZColorBox::~AZColorBox() = default;

// --- The interface ----------------------------------------------------------------------------

std::int32_t AZColorBox::ActiveColor() const {
    return ActiveCell.Color;
}

void AZColorBox::AddHTMLToCustom(const std::string& HexVal, std::int32_t APos) {
    if (APos < 0 || APos >= std::int32_t(CustomCells.size()))
        sys::raise(sys::ErrSubscript);
    const std::int32_t c = WhatRGB(HexVal);
    CustomCells[size_t(APos)].Color = c;
    CustomCells[size_t(APos)].HSL = RGBToHSL(c);
    BuildMainPalette();
    if (m_PalType == "Custom") {
        LayoutCells(true, MainRows, 8, 8);
        picPopup_Paint();
    }
}

std::string AZColorBox::ActiveText() const {
    return ActiveCell.Name;
}

void AZColorBox::setBackColor(std::int32_t NewBackColor) {
    ui::UserControl::setBackColor(NewBackColor);
    propertyChanged("BackColor");
    PaintMain();
}

std::optional<std::vector<std::int32_t>> AZColorBox::SetPal(const std::string& Which) {
    if (Which == "Normal") {
        m_PalType = "Normal";
        DropPal->setText("Normal");
        return HueTableHues();
    }
    if (Which == "Custom") {
        m_PalType = "Custom";
        DropPal->setText("Custom");
        return CustomHues;
    }
    if (Which == "Windows")
        return HueTableHues();
    return std::nullopt;
}

void AZColorBox::setEnabled(bool NewEnabled) {
    ui::UserControl::setEnabled(NewEnabled);
    propertyChanged("Enabled");
}

void AZColorBox::setFont(const ui::Font& NewFont) {
    ui::UserControl::setFont(NewFont);
    propertyChanged("Font");
    FixSize();
    refresh();
}

void AZColorBox::setForeColor(std::int32_t NewForeColor) {
    ui::UserControl::setForeColor(NewForeColor);
    propertyChanged("ForeColor");
    PaintMain();
}

std::int32_t AZColorBox::WhatRGB(const std::string& ValHex) const {
    if (text::length(ValHex) < 6)
        return 0;
    std::string s = ValHex;
    if (text::left(s, 1) == "#")
        s = text::right(s, 6);
    const auto pair = [](const std::string& digits) {
        return 16 * HexDigitValue(text::left(digits, 1)) + HexDigitValue(text::right(digits, 1));
    };
    const std::int32_t R = pair(text::left(s, 2));
    const std::int32_t G = pair(text::mid(s, 3, 2));
    const std::int32_t B = pair(text::right(s, 2));
    return R + 256 * G + 65536 * B;
}

void AZColorBox::setPalType(const std::string& PalName) {
    m_PalType = PalName;
}

void AZColorBox::setPalette(std::int32_t NewPalette) {
    m_Palette = NewPalette;
    BuildMainPalette();
    if (ShadeGridOn) {
        BaseCell = FindBaseCell(SelectedCell.Color);
        BuildShadePalette();
    }
    SelectedCell = FindNearestCell(SelectedCell.Color);
    HoverCell.Used = false;
    propertyChanged("Palette");
    PaintMain();
}

std::int32_t AZColorBox::Palette() const {
    return m_Palette;
}

const std::string& AZColorBox::PalType() const {
    return m_PalType;
}

bool AZColorBox::PopupEnabled() const {
    return m_PopupEnabled;
}

void AZColorBox::setPopupEnabled(bool NewPopupEnabled) {
    m_PopupEnabled = NewPopupEnabled;
    propertyChanged("PopupEnabled");
}

std::int32_t AZColorBox::SelectedColor() const {
    return SelectedCell.Color;
}

std::string AZColorBox::HTMLColor() const {
    return MakeHTMLColor(std::int16_t(GetRed(ActiveCell.Color)),
                         std::int16_t(GetGreen(ActiveCell.Color)),
                         std::int16_t(GetBlue(ActiveCell.Color)));
}

void AZColorBox::setHTMLColor(const std::string& HexVal) {
    const std::int32_t c = WhatRGB(HexVal);
    const HSLColor hsl = RGBToHSL(c);
    PalCell cell;
    cell.InMain = true;
    cell.Color = c;
    cell.HSL = hsl;
    cell.IsHue = true;
    cell.Name = "Custom";
    cell.Used = true;
    SelectedCell = cell;
    SetSelected(cell);
    ActiveCell = cell;
    BaseCell = cell;
    PaintMain();
    BuildShadePalette();
    PaintShadeGrid();
    propertyChanged("HTMLColor");
    propertyChanged("SelectedColor");
}

void AZColorBox::setSelectedColor(std::int32_t NewSelectedColor) {
    if (NewSelectedColor != SelectedCell.Color)
        SelectColor(NewSelectedColor);
}

std::string AZColorBox::Text() const {
    return SelectedCell.Name;
}

// --- Active and selected colour ----------------------------------------------------------------

void AZColorBox::SetActive(const PalCell& cell) {
    if (cell.Color == ActiveCell.Color)
        return;
    ActiveCell = cell;
    propertyChanged("ActiveColor");
    propertyChanged("ActiveText");
    ui::raiseEvent(onChange, ActiveCell.Color);
    PaintMain();
}

void AZColorBox::SetSelected(const PalCell& cell) {
    const bool changed = cell.Color != SelectedCell.Color;
    if (changed) {
        SelectedCell = cell;
        SelectedHTML = MakeHTMLColor(std::int16_t(GetRed(SelectedCell.Color)),
                                     std::int16_t(GetGreen(SelectedCell.Color)),
                                     std::int16_t(GetBlue(SelectedCell.Color)));
    }
    if (!changed && SelectedCell.Color == ActiveCell.Color)
        return;
    if (changed) {
        propertyChanged("SelectedColor");
        propertyChanged("Text");
        ui::raiseEvent(onClick);
    }
    PaintMain();
}

std::string AZColorBox::MakeHTMLColor(std::int16_t R, std::int16_t G, std::int16_t B) {
    // Each component in upper-case hexadecimal without leading zeros, a single digit with "0"
    // in front (a negative one would show its 16-bit two's complement).
    char html[16];
    std::snprintf(html, sizeof html, "#%02X%02X%02X", unsigned(std::uint16_t(R)),
                  unsigned(std::uint16_t(G)), unsigned(std::uint16_t(B)));
    return html;
}

std::int16_t AZColorBox::HexDigitValue(const std::string& ch) {
    if (ch.size() != 1)
        return 0;
    const char c = ch[0];
    if (c >= '0' && c <= '9')
        return std::int16_t(c - '0');
    if (c >= 'A' && c <= 'F')
        return std::int16_t(c - 'A' + 10);
    return 0;
}

// --- Size ----------------------------------------------------------------------------------------

void AZColorBox::FixSize() {
    // Each of the two writes resizes the control again, which lands here and returns at once.
    if (m_FixingSize)
        return;
    m_FixingSize = true;
    setHeight(FixedHeight);
    setWidth(FixedWidth);
    m_FixingSize = false;
}

void AZColorBox::UserControl_Resize() {
    sys::tryStep([this] { FixSize(); });
}

// --- Stored properties ---------------------------------------------------------------------

void AZColorBox::UserControl_InitProperties() {
    ui::UserControl::setFont(ambientFont());
    m_Palette = DefaultPalette;
    m_PopupEnabled = true;
    BuildMainPalette();
    BuildShadePalette();
    SelectedCell = FindNearestCell(0);
    HoverCell.Used = false;
}

void AZColorBox::UserControl_ReadProperties(const ui::PropertyBag& PropBag) {
    // A font that was never stored reads as no object, which the Font assignment ignores.
    const ui::PropertyValue font = PropBag.readProperty("Font", std::monostate{});
    if (const ui::Font* storedFont = std::get_if<ui::Font>(&font))
        setFont(*storedFont);
    else if (!std::holds_alternative<std::monostate>(font))
        sys::raise(sys::ErrTypeMismatch);
    ui::UserControl::setBackColor(stored(PropBag, "BackColor", DefaultBackColor));
    ui::UserControl::setForeColor(stored(PropBag, "ForeColor", DefaultForeColor));
    m_Palette = stored(PropBag, "Palette", DefaultPalette);
    m_PalType = stored(PropBag, "PalType", std::string("Normal"));
    ui::UserControl::setEnabled(stored(PropBag, "Enabled", true));
    m_PopupEnabled = stored(PropBag, "PopupEnabled", true);
    SelectedHTML = stored(PropBag, "HTMLColor", std::string("#000000"));
    const std::int32_t sc = stored(PropBag, "SelectedColor", std::int32_t(0));

    BuildMainPalette();
    if (ShadeGridOn) {
        BaseCell = FindBaseCell(sc);
        BuildShadePalette();
    }
    SelectedCell = FindNearestCell(sc);
    HoverCell.Used = false;
}

void AZColorBox::UserControl_WriteProperties(ui::PropertyBag& PropBag) {
    PropBag.writeProperty("Font", font(), std::monostate{});
    PropBag.writeProperty("SelectedColor", SelectedCell.Color, std::int32_t(0));
    PropBag.writeProperty("BackColor", backColor(), DefaultBackColor);
    PropBag.writeProperty("ForeColor", foreColor(), DefaultForeColor);
    PropBag.writeProperty("Enabled", enabled(), true);
    PropBag.writeProperty("Palette", m_Palette, DefaultPalette);
    PropBag.writeProperty("PopupEnabled", m_PopupEnabled, true);
    // Always stored: no default can equal a text.
    PropBag.writeProperty("HTMLColor", SelectedHTML, std::monostate{});
    PropBag.writeProperty("PalType", m_PalType, std::string("Normal"));
}

std::string AZColorBox::describeValue() const {
    return "active " + ui::describe::color(ActiveCell.Color) + " " +
           ui::describe::quote(ActiveCell.Name) + ", selected " +
           ui::describe::color(SelectedCell.Color) + " " + ui::describe::quote(SelectedCell.Name) +
           ", palette " + ui::describe::quote(m_PalType);
}

} // namespace zirirur
