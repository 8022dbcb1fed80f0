#pragma once

#include <cstdint>

// Colour values are 0x00BBGGRR (red in the low byte). A value with the top bit set names a
// system colour by its index in the low byte; drawing resolves it to the fixed colours below.
namespace gfx {

constexpr int TwipsPerPixel = 15;

enum SystemColor : int32_t {
    ScrollBars = int32_t(0x80000000u),
    Desktop = int32_t(0x80000001u),
    ActiveCaption = int32_t(0x80000002u),
    InactiveCaption = int32_t(0x80000003u),
    MenuBar = int32_t(0x80000004u),
    WindowBackground = int32_t(0x80000005u),
    WindowFrame = int32_t(0x80000006u),
    MenuText = int32_t(0x80000007u),
    WindowText = int32_t(0x80000008u),
    ButtonFace = int32_t(0x8000000Fu),
    ButtonShadow = int32_t(0x80000010u),
    GrayText = int32_t(0x80000011u),
    ButtonText = int32_t(0x80000012u),
    ButtonHighlight = int32_t(0x80000014u),
    ButtonDarkShadow = int32_t(0x80000015u),
    ButtonLight = int32_t(0x80000016u),
    InfoText = int32_t(0x80000017u),
    InfoBackground = int32_t(0x80000018u),
};

// The plain colour a value stands for: system colours become their fixed colours (the
// classic grey scheme), other values lose their unused top byte.
uint32_t resolveColor(int32_t color);

constexpr int32_t rgb(int red, int green, int blue) {
    return int32_t((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(uint32_t color) {
    return int(color & 0xFF);
}
constexpr int greenOf(uint32_t color) {
    return int((color >> 8) & 0xFF);
}
constexpr int blueOf(uint32_t color) {
    return int((color >> 16) & 0xFF);
}

} // namespace gfx
