#pragma once

#include "colorpicker/PalCell.h"
#include "colorpicker/VadiduTimer.h"
#include "platform/ui/UserControl.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {
class ComboBox;
class CommandButton;
class CommonDialog;
class PictureBox;
} // namespace ui

namespace zirirur {

// The colour control (Zirirur.AZColorBox): a face with the band of the active colour and the
// palette panel picPopup, whose main grid shows the named hues (or the custom palette) and whose
// shade grid shows the shades of one base cell. Pressing or dragging over a cell makes it the
// active colour (Change), releasing on it selects it (Click); a pointer that rests on a main
// cell while the focus is inside the control previews its shades.
//
// The container receives the four events: Click and DblClick through onClick and onDblClick,
// Change through onChange, Popup through onPopup. The user's actions on the face and the focus
// are the control's own (it overrides the surface's members); its panel, list and button are
// reached by their names, picPopup, DropPal and MorePal.
class AZColorBox : public ui::UserControl {
public:
    // The fixed size, in twips (139 by 157 pixels).
    static constexpr int FixedWidth = 2085;
    static constexpr int FixedHeight = 2355;

    // Creation: the palettes are built, the Normal palette is shown and the hover timer made.
    AZColorBox(ui::Form& form, std::string name, int index);
    ~AZColorBox() override;

    // --- The control's interface, in its order (the surface's BackColor, Enabled, Font,
    // ForeColor, Refresh and hwnd are read through the surface's own members) -----------------
    std::int32_t ActiveColor() const;
    // Puts the colour of the text (read as WhatRGB reads it) into custom cell APos; raises
    // error 9 for a position outside 0 to 31 before anything changes.
    void AddHTMLToCustom(const std::string& HexVal, std::int32_t APos);
    std::string ActiveText() const;
    void setBackColor(std::int32_t NewBackColor) override;
    // "Normal" and "Windows": the 31 hues of the named hues; "Custom": the custom hues; any
    // other text (compared exactly): nullopt and nothing changes. "Normal" and "Custom" also
    // choose that entry of DropPal.
    std::optional<std::vector<std::int32_t>> SetPal(const std::string& Which);
    void setEnabled(bool NewEnabled) override;
    void setFont(const ui::Font& NewFont) override;
    void setForeColor(std::int32_t NewForeColor) override;
    // Ask for a file name and write / read the 32 custom cells; always 0.
    std::int32_t SaveCustPal();
    std::int32_t LoadCustPal();
    // The colour value of a colour text, with or without "#" (see VadiduLibColor.h).
    std::int32_t WhatRGB(const std::string& ValHex) const;
    // Draws the face: its sunken edge and the band of the active colour.
    void PaintMain();
    // Stores the palette type; nothing is rebuilt until the next palette build.
    void setPalType(const std::string& PalName);
    void setPalette(std::int32_t NewPalette);
    // The palette mode: stored, persisted and reported; nothing reads it to shape the palette.
    std::int32_t Palette() const;
    const std::string& PalType() const;
    bool PopupEnabled() const;
    void setPopupEnabled(bool NewPopupEnabled);
    std::int32_t SelectedColor() const;
    // The active colour as #RRGGBB.
    std::string HTMLColor() const;
    // Makes the colour of the text the active and the selected colour, exactly (a cell named
    // "Custom"), and shows its shades; raises neither Click nor Change.
    void setHTMLColor(const std::string& HexVal);
    // Selects the palette cell nearest to the colour when it differs from the selected one.
    void setSelectedColor(std::int32_t NewSelectedColor);
    std::string Text() const;

    // --- Events (Click and DblClick: onClick and onDblClick of the surface) ------------------
    // The active colour changed; a handler that assigns to NewActiveColor changes it.
    std::function<void(std::int32_t& NewActiveColor)> onChange;
    // A click on the face (or Space) while PopupEnabled is False.
    std::function<void()> onPopup;

    // --- The user's actions on the face ------------------------------------------------------
    void userClick() override;
    void userDblClick(int row) override;
    void userPressKey(int keyCode) override;
    void userMouse(ui::MouseStep step, int button, int x, int y) override;

protected:
    std::string kind() const override { return "colorbox"; }
    std::string describeValue() const override;
    void enterFocus() override;
    void exitFocus() override;

private:
    // --- Palettes and cells ---
    void LayoutCells(bool Vertical, std::int32_t Rows, std::int32_t X0, std::int32_t Y0);
    void LayoutShadeCells(bool Vertical, std::int32_t Rows, std::int32_t X0, std::int32_t Y0);
    void BuildMainPalette();
    void BuildCustomPalette();
    void BuildShadePalette();
    PalCell CellAtPoint(std::int32_t x, std::int32_t y);
    PalCell FindNearestCell(std::int32_t Color) const;
    PalCell FindBaseCell(std::int32_t Color) const;
    void SelectColor(std::int32_t Color);

    // --- Active and selected colour, size, properties ---
    void SetActive(const PalCell& cell);
    void SetSelected(const PalCell& cell);
    void FixSize();
    void UserControl_Resize();
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const ui::PropertyBag& PropBag);
    void UserControl_WriteProperties(ui::PropertyBag& PropBag);
    static std::string MakeHTMLColor(std::int16_t R, std::int16_t G, std::int16_t B);
    static std::int16_t HexDigitValue(const std::string& ch);

    // --- The custom palette file ---
    enum class PaletteDialog { Save, Load };
    // Asks for the file name with MColors; false when cancelled or failed.
    bool ShowPaletteDialog(PaletteDialog which);

    // --- Drawing, mouse, keys, focus, hover ---
    void PaintMainGrid();
    void PaintShadeGrid();
    static void PaintCells(ui::PictureBox& panel, const std::vector<PalCell>& cells,
                           std::int32_t bound);
    void DrawCellFrame(const PalCell& cell, bool Show, bool Sunken);
    void picPopup_Paint();
    void UserControl_Paint();
    void picPopup_MouseDown(int Button, int Shift, int X, int Y);
    void picPopup_MouseMove(int Button, int Shift, int X, int Y);
    void picPopup_MouseUp(int Button, int Shift, int X, int Y);
    void picPopup_Click();
    void picPopup_DblClick();
    void UserControl_Click();
    void UserControl_DblClick();
    void UserControl_KeyDown(int KeyCode, int Shift);
    void UserControl_EnterFocus();
    void UserControl_ExitFocus();
    void tmrHover_OnTimer();
    void DropPal_Click();
    void MorePal_Click();
    // Shows the shades of a pressed or dragged-over main cell of another hue.
    void ShowShadesOf(const PalCell& hit);

    // --- Cells and grids ---
    std::vector<PalCell> MainCells;
    std::vector<PalCell> ShadeCells;
    std::vector<PalCell> CustomCells;
    std::vector<std::int32_t> CustomHues;
    PalCell BaseCell;
    std::int32_t MainBound = 0;
    std::int32_t ShadeBound = 0;
    std::int32_t CellSize = 10;
    std::int32_t CellGap = 2;
    std::int32_t MainCols = 4;
    std::int32_t MainRows = 8;
    std::int32_t ShadeCols = 6;
    std::int32_t ShadeRows = 8;
    bool ShadeGridOn = true;
    std::int32_t LastMainIndex = -1;
    std::string m_PalType = "Normal";

    // --- State of the control ---
    PalCell ActiveCell;
    PalCell SelectedCell;
    std::string SelectedHTML;
    PalCell HoverCell;
    bool OverCell = false;
    bool MovedSinceTick = false;
    std::int32_t CustomIndex = -1;
    bool m_PopupEnabled = false;
    std::int32_t m_Palette = 0;
    std::unique_ptr<VadiduTimer> tmrHover;
    bool m_FixingSize = false;

    // --- Constituent controls ---
    ui::PictureBox* picPopup = nullptr;
    ui::ComboBox* DropPal = nullptr;
    ui::CommandButton* MorePal = nullptr;
    ui::CommonDialog* MColors = nullptr;
};

} // namespace zirirur
