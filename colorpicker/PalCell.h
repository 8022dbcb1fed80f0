#pragma once

#include "colorpicker/VadiduLibColor.h"

#include <cstdint>
#include <string>

namespace zirirur {

// One cell of the colour control's palettes. An empty cell (every field zero, False or empty)
// is what a lookup gives when nothing qualifies, and what a freshly sized grid holds.
struct PalCell {
    bool InMain = false; // a cell of the main grid or of the custom palette, not a shade
    // The cell's rectangle in the palette panel's pixels: Left <= x < Right, Top <= y < Bottom.
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    std::int32_t Color = 0; // HSLToRGB(HSL) for every cell the control builds
    HSLColor HSL;
    bool IsHue = false; // chromatic; False for White and the greys
    std::string Name;   // "Red", "Custom", "White", "Pale Red", "Dark Grey" ...
    bool Used = false;  // the record holds a cell
};

} // namespace zirirur
