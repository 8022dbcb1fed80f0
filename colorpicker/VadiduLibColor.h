#pragma once

#include <cstdint>

namespace zirirur {

// Colours travel as colour values 0x00BBGGRR (red in the low byte). HSLColor is the same colour
// on the 0 to 240 scale: hue 0 red, 40 yellow, 80 green, 120 cyan, 160 blue, 200 magenta;
// saturation 0 grey; luminance 0 black, 120 full colour, 240 white. Every colour of the palette
// follows from these routines, so their rounding, scale and order of operations are fixed:
// results round half to even, and the RGB side is scaled as if components ran to 256.
struct HSLColor {
    std::int32_t Hue = 0;
    std::int32_t Sat = 0;
    std::int32_t Lum = 0;
};

// The colour value of hsl; components beyond 0 to 255 are clamped.
std::int32_t HSLToRGB(const HSLColor& hsl);
// One component, on the 0 to 240 scale, of the colour with the given M1, M2 and hue; a hue
// outside 0 to 240 is folded back once.
std::int32_t HueToRGB(std::int32_t M1, std::int32_t M2, std::int32_t Hue);
// The HSLColor of a colour value; white gives luminance 239, not 240 (the 256 scale).
HSLColor RGBToHSL(std::int32_t Color);

// The largest / smallest of the values; on a tie the earlier value stays.
template <typename T, typename... More> T MaxOf(T First, More... Rest) {
    T result = First;
    ((Rest > result ? result = Rest : result), ...);
    return result;
}

template <typename T, typename... More> T MinOf(T First, More... Rest) {
    T result = First;
    ((Rest < result ? result = Rest : result), ...);
    return result;
}

// The red, green and blue byte of a colour value, 0 to 255.
std::int32_t GetRed(std::int32_t Color);
std::int32_t GetGreen(std::int32_t Color);
std::int32_t GetBlue(std::int32_t Color);

// x rounded to the nearest whole number, a tie going to the even neighbour (0.5 gives 0, 1.5
// and 2.5 give 2); beyond the 32-bit range it raises an overflow error.
std::int32_t nearest(double x);

} // namespace zirirur
