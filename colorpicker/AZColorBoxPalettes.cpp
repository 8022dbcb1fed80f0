// The colour control's palettes: the cells of the main, shade, grey and custom grids, their
// layout, and the lookups that the mouse, the properties and the dialog use.
#include "colorpicker/AZColorBox.h"

#include "colorpicker/HueTable.h"
#include "platform/gfx/Gdi.h"
#include "platform/ui/PictureBox.h"

#include <cstdlib>

namespace zirirur {

namespace {

// A cell of the main grid or of the custom palette.
PalCell MainCell(const std::string& Name, HSLColor hsl, bool IsHue) {
    PalCell cell;
    cell.Name = Name;
    cell.IsHue = IsHue;
    cell.HSL = hsl;
    cell.Color = HSLToRGB(hsl);
    cell.InMain = true;
    cell.Used = true;
    return cell;
}

PalCell WhiteCell() {
    return MainCell("White", HSLColor{0, 0, 240}, false);
}

// Cells 0 to bound at a stride of CellSize + CellGap; Vertical runs them down the columns.
void LayOut(std::vector<PalCell>& cells, std::int32_t bound, bool Vertical, std::int32_t Rows,
            std::int32_t X0, std::int32_t Y0, std::int32_t CellSize, std::int32_t CellGap) {
    const std::int32_t stride = CellSize + CellGap;
    for (std::int32_t i = 0; i <= bound; ++i) {
        const std::int32_t column = Vertical ? i / Rows : i % Rows;
        const std::int32_t row = Vertical ? i % Rows : i / Rows;
        PalCell& cell = cells[size_t(i)];
        cell.Left = X0 + stride * column;
        cell.Top = Y0 + stride * row;
        cell.Right = cell.Left + CellSize;
        cell.Bottom = cell.Top + CellSize;
    }
}

bool Holds(const PalCell& cell, std::int32_t x, std::int32_t y) {
    return cell.Left <= x && x < cell.Right && cell.Top <= y && y < cell.Bottom;
}

} // namespace

void AZColorBox::LayoutCells(bool Vertical, std::int32_t Rows, std::int32_t X0, std::int32_t Y0) {
    LayOut(MainCells, MainBound, Vertical, Rows, X0, Y0, CellSize, CellGap);
}

void AZColorBox::LayoutShadeCells(bool Vertical, std::int32_t Rows, std::int32_t X0,
                                  std::int32_t Y0) {
    LayOut(ShadeCells, ShadeBound, Vertical, Rows, X0, Y0, CellSize, CellGap);
}

void AZColorBox::BuildMainPalette() {
    if (m_PalType.empty())
        m_PalType = "Normal";
    if (m_PalType == "Normal") {
        CellGap = 2;
        CellSize = 10;
        MainCols = 4;
        MainRows = 8;
        ShadeGridOn = true;
        // The named hues at one luminance each, and White.
        MainBound = 31 * 1 + 0;
        ShadeBound = 0;
        MainCells.assign(size_t(MainBound) + 1, PalCell{});
        ShadeCells.assign(1, PalCell{});
        size_t k = 0;
        for (const NamedHue& named : HueTable)
            MainCells[k++] = MainCell(named.Name, HSLColor{named.Hue, 240, 120}, true);
        MainCells[31] = WhiteCell();
    } else if (m_PalType == "Custom") {
        // Cell 31 stays White: the last custom cell is not shown.
        for (size_t k = 0; k < CustomHues.size(); ++k)
            MainCells[k] = CustomCells[k];
    }
    // Any other palette type has no cells of its own: the main grid stays as it was.
    LayoutCells(true, MainRows, 8, 8);
}

void AZColorBox::BuildCustomPalette() {
    MainCells.assign(1, PalCell{});
    ShadeCells.assign(1, PalCell{});
    CellGap = 2;
    CellSize = 10;
    MainCols = 4;
    MainRows = 8;
    ShadeGridOn = true;
    MainBound = 31;
    ShadeBound = 0;
    CustomCells.assign(32, PalCell{});
    ShadeCells.assign(1, PalCell{});
    size_t k = 0;
    for (const std::int32_t h : CustomHues)
        CustomCells[k++] = MainCell("Custom", HSLColor{h, 240, 120}, true);
    CustomCells[31] = WhiteCell();
}

void AZColorBox::BuildShadePalette() {
    static constexpr std::int32_t Sats[6] = {240, 200, 160, 120, 80, 40};
    static constexpr std::int32_t HueLums[8] = {225, 210, 180, 120, 105, 90, 60, 40};
    static constexpr const char* HuePrefixes[8] = {"Faint ", "Pale ", "Light ", "",
                                                   "Dense ", "Deep ", "Dark ",  "Pitch "};
    static constexpr std::int32_t GreyLums[8] = {240, 210, 180, 150, 120, 90, 60, 30};
    static constexpr const char* GreyNames[8] = {"White", "Silver",    "Chrome",   "Titanium",
                                                 "Grey",  "Dark Grey", "Charcoal", "Pitch"};
    ShadeCols = 6;
    ShadeRows = 8;
    ShadeBound = ShadeCols * ShadeRows - 1;
    ShadeCells.assign(size_t(ShadeBound) + 1, PalCell{});
    const std::int32_t hue = BaseCell.HSL.Hue;
    std::int32_t k = 0;
    for (std::int32_t c = 0; c < ShadeCols; ++c) {
        for (std::int32_t r = 0; r < ShadeRows; ++r, ++k) {
            PalCell& cell = ShadeCells[size_t(k)];
            std::int32_t Sat = 0;
            std::int32_t Lum = 0;
            if (BaseCell.IsHue) {
                Sat = Sats[c];
                Lum = HueLums[r];
                cell.Name = HuePrefixes[r] + BaseCell.Name;
            } else if (k >= ShadeBound) {
                cell.Name = "Black";
            } else {
                // Each column of greys is 5 darker than the one before.
                Lum = GreyLums[r] - 5 * c;
                cell.Name = GreyNames[r];
            }
            cell.InMain = false;
            cell.Used = true;
            cell.HSL = HSLColor{hue, Sat, Lum};
            cell.Color = HSLToRGB(cell.HSL);
            cell.IsHue = BaseCell.IsHue;
        }
    }
    LayoutShadeCells(true, ShadeRows, (CellSize + CellGap) * MainCols + 8 + 2 + CellGap, 8);
}

PalCell AZColorBox::CellAtPoint(std::int32_t x, std::int32_t y) {
    gfx::RECT r;
    gfx::GetClientRect(picPopup->surface(), &r);
    if (!gfx::PtInRect(&r, gfx::POINT{x, y}))
        return PalCell{};
    for (std::int32_t i = 0; i <= MainBound; ++i) {
        if (Holds(MainCells[size_t(i)], x, y)) {
            // Cell 31 is no place for "More Colors..." to fill.
            LastMainIndex = i == 31 ? -1 : i;
            return MainCells[size_t(i)];
        }
    }
    if (ShadeGridOn) {
        for (std::int32_t i = 0; i <= ShadeBound; ++i) {
            if (Holds(ShadeCells[size_t(i)], x, y)) {
                LastMainIndex = -1;
                return ShadeCells[size_t(i)];
            }
        }
    }
    return PalCell{};
}

PalCell AZColorBox::FindNearestCell(std::int32_t Color) const {
    const HSLColor hsl = RGBToHSL(Color);
    std::int32_t best = 720;
    PalCell result;
    // Plain differences: hue 235 lies 235 away from hue 0. On a tie the earlier cell stays.
    const auto consider = [&](const PalCell& cell) {
        const std::int32_t distance = std::abs(cell.HSL.Lum - hsl.Lum) +
                                      std::abs(cell.HSL.Hue - hsl.Hue) +
                                      std::abs(cell.HSL.Sat - hsl.Sat);
        if (distance < best) {
            result = cell;
            best = distance;
        }
    };
    for (std::int32_t i = 0; i <= MainBound; ++i)
        consider(MainCells[size_t(i)]);
    if (best == 0 || !ShadeGridOn)
        return result;
    for (std::int32_t i = 0; i <= ShadeBound; ++i)
        consider(ShadeCells[size_t(i)]);
    return result;
}

PalCell AZColorBox::FindBaseCell(std::int32_t Color) const {
    const HSLColor hsl = RGBToHSL(Color);
    std::int32_t best = 240;
    PalCell result;
    // A colour finds the nearest hue among the chromatic cells, a grey the nearest luminance
    // among the others (so black, 240 away from White, finds nothing).
    const bool chromatic = hsl.Sat != 0;
    for (std::int32_t i = 0; i <= MainBound; ++i) {
        const PalCell& cell = MainCells[size_t(i)];
        if (cell.IsHue != chromatic)
            continue;
        const std::int32_t distance =
            chromatic ? std::abs(cell.HSL.Hue - hsl.Hue) : std::abs(cell.HSL.Lum - hsl.Lum);
        if (distance < best) {
            result = cell;
            best = distance;
        }
    }
    return result;
}

void AZColorBox::SelectColor(std::int32_t Color) {
    if (ShadeGridOn) {
        BaseCell = FindBaseCell(Color);
        BuildShadePalette();
    }
    SetSelected(FindNearestCell(Color));
}

} // namespace zirirur
