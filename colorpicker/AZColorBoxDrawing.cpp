// The colour control on the screen: the face and the palette panel drawn cell by cell, the
// mouse that makes a cell active and selected, the hover preview while the focus is inside,
// the face's click and keys, the palette list and "More Colors...".
#include "colorpicker/AZColorBox.h"

#include "platform/gfx/Gdi.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Event.h"
#include "platform/ui/PictureBox.h"

namespace zirirur {

namespace {

bool IsInside(const gfx::Surface& surface, int x, int y) {
    gfx::RECT r;
    gfx::GetClientRect(surface, &r);
    return gfx::PtInRect(&r, gfx::POINT{x, y});
}

} // namespace

// --- Drawing -----------------------------------------------------------------------------------

void AZColorBox::PaintMain() {
    gfx::RECT r;
    sys::tryStep([&] {
        gfx::GetClientRect(surface(), &r);
        gfx::DrawEdge(surface(), &r, gfx::EDGE_SUNKEN, gfx::BF_RECT);
    });
    sys::tryStep([&] { surface().filledBox(3, 3, surface().width() - 3, 16, ActiveCell.Color); });
}

void AZColorBox::PaintCells(ui::PictureBox& panel, const std::vector<PalCell>& cells,
                            std::int32_t bound) {
    for (std::int32_t i = 0; i <= bound; ++i) {
        const PalCell& cell = cells[size_t(i)];
        panel.setFillColor(cell.Color);
        panel.surface().box(cell.Left, cell.Top, cell.Right, cell.Bottom, gfx::ButtonFace);
    }
}

void AZColorBox::PaintMainGrid() {
    PaintCells(*picPopup, MainCells, MainBound);
}

void AZColorBox::PaintShadeGrid() {
    PaintCells(*picPopup, ShadeCells, ShadeBound);
}

void AZColorBox::DrawCellFrame(const PalCell& cell, bool Show, bool Sunken) {
    if (!cell.Used)
        return;
    // Raised: light top-left, dark bottom-right; sunken the reverse; hidden: the outline's own
    // colour over both.
    std::int32_t topLeft = gfx::ButtonFace;
    std::int32_t bottomRight = gfx::ButtonFace;
    if (Show) {
        topLeft = Sunken ? gfx::ButtonShadow : gfx::ButtonHighlight;
        bottomRight = Sunken ? gfx::ButtonHighlight : gfx::ButtonShadow;
    }
    gfx::Surface& dc = picPopup->surface();
    picPopup->setForeColor(topLeft);
    gfx::MoveToEx(dc, cell.Left, cell.Bottom, nullptr);
    gfx::LineTo(dc, cell.Left, cell.Top);
    gfx::LineTo(dc, cell.Right, cell.Top);
    picPopup->setForeColor(bottomRight);
    gfx::LineTo(dc, cell.Right, cell.Bottom);
    gfx::LineTo(dc, cell.Left - 1, cell.Bottom);
}

void AZColorBox::picPopup_Paint() {
    gfx::RECT r;
    gfx::GetClientRect(picPopup->surface(), &r);
    PaintMainGrid();
    // The etched line between the grids, its left side only.
    const int x = r.left + 8 + (CellSize + CellGap) * MainCols + 1;
    gfx::RECT separator{x, r.top + 8, x, r.bottom - 38};
    gfx::DrawEdge(picPopup->surface(), &separator, gfx::EDGE_ETCHED, gfx::BF_LEFT);
    PaintShadeGrid();
}

void AZColorBox::UserControl_Paint() {
    picPopup_Paint();
    PaintShadeGrid();
    PaintMain();
}

// --- The mouse on the panel ------------------------------------------------------------------

void AZColorBox::ShowShadesOf(const PalCell& hit) {
    // A grey base has hue 0 as Red has: comparing the hue alone would leave the greys showing
    // when Red is pressed, so a change between colour and grey counts as another base too.
    const bool otherBase = hit.HSL.Hue != BaseCell.HSL.Hue || hit.IsHue != BaseCell.IsHue;
    if (hit.InMain && otherBase && ShadeGridOn) {
        BaseCell = hit;
        BuildShadePalette();
        PaintShadeGrid();
    }
}

void AZColorBox::picPopup_MouseDown(int /*Button*/, int /*Shift*/, int X, int Y) {
    if (!IsInside(picPopup->surface(), X, Y))
        return;
    DrawCellFrame(HoverCell, false, false);
    const PalCell hit = CellAtPoint(X, Y);
    if (m_PalType == "Custom" && LastMainIndex != -1)
        CustomIndex = LastMainIndex;
    if (hit.Used) {
        HoverCell = hit;
        SetActive(hit);
        ShowShadesOf(hit);
        DrawCellFrame(HoverCell, true, true);
    }
}

void AZColorBox::picPopup_MouseMove(int Button, int /*Shift*/, int X, int Y) {
    const bool left = (Button & ui::LeftButton) != 0;
    DrawCellFrame(HoverCell, false, false);
    const PalCell hit = CellAtPoint(X, Y);
    if (hit.Used) {
        HoverCell = hit;
        OverCell = true;
        if (left) {
            SetActive(hit);
            ShowShadesOf(hit);
        }
        DrawCellFrame(HoverCell, true, left);
    } else {
        OverCell = false;
    }
    MovedSinceTick = true;
}

void AZColorBox::picPopup_MouseUp(int /*Button*/, int /*Shift*/, int X, int Y) {
    if (IsInside(picPopup->surface(), X, Y)) {
        const PalCell hit = CellAtPoint(X, Y);
        if (hit.Used)
            SetSelected(hit);
    } else {
        SetSelected(SelectedCell);
    }
}

void AZColorBox::picPopup_Click() {
    if (OverCell)
        ui::raiseEvent(onClick);
}

void AZColorBox::picPopup_DblClick() {
    if (OverCell)
        ui::raiseEvent(onDblClick);
}

// --- The face ------------------------------------------------------------------------------------

void AZColorBox::UserControl_Click() {
    // With PopupEnabled the panel, always shown, is all there is to open.
    if (!m_PopupEnabled)
        ui::raiseEvent(onPopup);
}

void AZColorBox::UserControl_DblClick() {
    ui::raiseEvent(onDblClick);
}

void AZColorBox::UserControl_KeyDown(int KeyCode, int Shift) {
    if (KeyCode == 32 && Shift == ui::NoShift)
        UserControl_Click();
}

void AZColorBox::userClick() {
    runUserEvent("Click", [this] { UserControl_Click(); });
}

void AZColorBox::userDblClick(int /*row*/) {
    runUserEvent("DblClick", [this] { UserControl_DblClick(); });
}

void AZColorBox::userPressKey(int keyCode) {
    runUserEvent("KeyDown", [this, keyCode] { UserControl_KeyDown(keyCode, ui::NoShift); });
}

void AZColorBox::userMouse(ui::MouseStep step, int /*button*/, int /*x*/, int /*y*/) {
    // Presses, moves and releases on the face itself do nothing.
    if (step == ui::MouseStep::Click)
        UserControl_Click();
    else if (step == ui::MouseStep::DblClick)
        UserControl_DblClick();
}

// --- Focus and hover -------------------------------------------------------------------------
// The hover timer runs while the focus is inside the control: from focus entry to focus exit.
// The control's own GotFocus and LostFocus are left out of it: the toolkit gives GotFocus before
// EnterFocus, and a move between the control and its parts enters or leaves nothing, so
// stopping the timer there would leave the focus inside without a hover preview.

void AZColorBox::enterFocus() {
    // The timer's loop runs in here until the focus leaves: whatever the dialog unloads
    // meanwhile must outlive it.
    ui::Driver::Busy busy;
    UserControl_EnterFocus();
}

void AZColorBox::exitFocus() {
    UserControl_ExitFocus();
}

void AZColorBox::UserControl_EnterFocus() {
    UserControl_Paint();
    tmrHover->setEnabled(true);
}

void AZColorBox::UserControl_ExitFocus() {
    UserControl_Paint();
    tmrHover->setEnabled(false);
}

void AZColorBox::tmrHover_OnTimer() {
    if (!ShadeGridOn)
        return;
    if (!MovedSinceTick && HoverCell.InMain) {
        BaseCell = HoverCell;
        BuildShadePalette();
        if (picPopup->visible())
            PaintShadeGrid();
    }
    MovedSinceTick = false;
}

// --- The palette list and "More Colors..." ----------------------------------------------------

void AZColorBox::DropPal_Click() {
    const std::string entry = DropPal->list(DropPal->listIndex());
    if (entry == "Load Custom") {
        LoadCustPal();
        m_PalType = "Custom";
        DropPal->setListIndex(1);
    } else if (entry == "Save Custom") {
        SaveCustPal();
        m_PalType = "Custom";
        DropPal->setListIndex(1);
    } else {
        m_PalType = entry;
    }
    BuildMainPalette();
    picPopup_Paint();
}

void AZColorBox::MorePal_Click() {
    // Any error, the cancelled dialog among them, ends it at once without a word.
    sys::tryStep([this] {
        MColors->setCancelError(ui::CancelError::Yes);
        MColors->setFlags(ui::cdlCCRGBInit);
        MColors->showColor();
        const std::int32_t c = MColors->color();
        const HSLColor hsl = RGBToHSL(c);
        if (m_PalType == "Custom" && CustomIndex != -1) {
            CustomHues[size_t(CustomIndex)] = hsl.Hue;
            CustomCells[size_t(CustomIndex)].HSL = hsl;
            CustomCells[size_t(CustomIndex)].Color = c;
            DropPal->setListIndex(1);
            m_PalType = "Custom";
        }
        SelectedCell.Color = c;
        SelectedCell.HSL = hsl;
        ActiveCell.Color = c;
        ActiveCell.HSL = hsl;
        BaseCell = SelectedCell;
        BuildMainPalette();
        LayoutCells(true, MainRows, 8, 8);
        BuildShadePalette();
        picPopup_Paint();
        PaintShadeGrid();
        PaintMain();
        propertyChanged("ActiveColor");
        ui::raiseEvent(onChange, ActiveCell.Color);
    });
}

} // namespace zirirur
