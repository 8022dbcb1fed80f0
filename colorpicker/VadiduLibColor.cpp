#include "colorpicker/VadiduLibColor.h"

#include "platform/sys/Error.h"

#include <cmath>
#include <limits>

namespace zirirur {

namespace {

// Whole-number arithmetic stops with an overflow error beyond 32 bits, never wraps.
std::int32_t checked(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        sys::raise(sys::ErrOverflow);
    return static_cast<std::int32_t>(value);
}

std::int32_t add(std::int32_t a, std::int32_t b) {
    return checked(static_cast<std::int64_t>(a) + b);
}

std::int32_t subtract(std::int32_t a, std::int32_t b) {
    return checked(static_cast<std::int64_t>(a) - b);
}

std::int32_t multiply(std::int32_t a, std::int32_t b) {
    return checked(static_cast<std::int64_t>(a) * b);
}

std::int32_t clampComponent(std::int32_t value) {
    if (value >= 255)
        value = 255;
    if (value < 0)
        value = 0;
    return value;
}

} // namespace

std::int32_t nearest(double x) {
    if (!std::isfinite(x))
        sys::raise(sys::ErrOverflow);
    double whole = std::floor(x);
    double fraction = x - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        sys::raise(sys::ErrOverflow);
    return static_cast<std::int32_t>(whole);
}

std::int32_t HSLToRGB(const HSLColor& hsl) {
    std::int32_t H = hsl.Hue;
    std::int32_t S = hsl.Sat;
    std::int32_t L = hsl.Lum;
    std::int32_t R = 0;
    std::int32_t G = 0;
    std::int32_t B = 0;
    if (S == 0) {
        R = nearest(multiply(L, 256) / 240.0);
        G = R;
        B = R;
    } else {
        std::int32_t M2 = 0;
        if (L <= 120)
            M2 = nearest(multiply(L, add(240, S)) / 240.0);
        else
            M2 = nearest(add(L, S) - multiply(L, S) / 240.0);
        std::int32_t M1 = subtract(multiply(2, L), M2);
        R = nearest(multiply(HueToRGB(M1, M2, nearest(H + 240.0 / 3)), 256) / 240.0);
        G = nearest(multiply(HueToRGB(M1, M2, H), 256) / 240.0);
        B = nearest(multiply(HueToRGB(M1, M2, nearest(H - 240.0 / 3)), 256) / 240.0);
    }
    R = clampComponent(R);
    G = clampComponent(G);
    B = clampComponent(B);
    return R + 256 * G + 65536 * B;
}

std::int32_t HueToRGB(std::int32_t M1, std::int32_t M2, std::int32_t Hue) {
    if (Hue < 0)
        Hue = add(Hue, 240);
    if (Hue > 240)
        Hue = subtract(Hue, 240);
    if (Hue < 240 / 6)
        return nearest(multiply(subtract(M2, M1), Hue) / 240.0 * 6 + M1);
    if (Hue < 240 / 2)
        return M2;
    if (Hue < 480 / 3)
        return nearest((480.0 / 3 - Hue) * subtract(M2, M1) / 240 * 6 + M1);
    return M1;
}

HSLColor RGBToHSL(std::int32_t Color) {
    std::int32_t R = GetRed(Color);
    std::int32_t G = GetGreen(Color);
    std::int32_t B = GetBlue(Color);
    std::int32_t mx = MaxOf(R, G, B);
    std::int32_t mn = MinOf(R, G, B);
    std::int32_t sum = mx + mn;
    std::int32_t d = mx - mn;

    HSLColor hsl;
    hsl.Lum = nearest(sum / 512.0 * 240);
    if (mx == mn) {
        hsl.Sat = 0;
        hsl.Hue = 0;
        return hsl;
    }
    if (hsl.Lum <= 120)
        hsl.Sat = nearest(static_cast<double>(d) / sum * 240);
    else
        hsl.Sat = nearest(static_cast<double>(d * 240) / (512 - sum));

    double Rd = static_cast<double>(mx - R) / d * 240 / 6;
    double Gd = static_cast<double>(mx - G) / d * 240 / 6;
    double Bd = static_cast<double>(mx - B) / d * 240 / 6;
    if (R == mx)
        hsl.Hue = nearest(Bd - Gd);
    else if (G == mx)
        hsl.Hue = nearest(Rd - Bd + 240.0 / 3);
    else
        hsl.Hue = nearest(Gd - Rd + 480.0 / 3);
    if (hsl.Hue < 0)
        hsl.Hue += 240;
    return hsl;
}

std::int32_t GetRed(std::int32_t Color) {
    return Color & 0xFF;
}

std::int32_t GetGreen(std::int32_t Color) {
    return (Color & 0xFF00) / 256;
}

std::int32_t GetBlue(std::int32_t Color) {
    return (Color & 0xFF0000) / 65536;
}

} // namespace zirirur
