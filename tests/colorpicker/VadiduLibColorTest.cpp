#include "colorpicker/VadiduLibColor.h"

#include "colorpicker/ColorText.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

#include <climits>

using namespace zirirur;

namespace {

std::string html(std::int32_t color) {
    return MakeHTMLColor(static_cast<std::int16_t>(GetRed(color)),
                         static_cast<std::int16_t>(GetGreen(color)),
                         static_cast<std::int16_t>(GetBlue(color)));
}

void expectHSL(const HSLColor& hsl, std::int32_t hue, std::int32_t sat, std::int32_t lum) {
    EXPECT_EQ(hsl.Hue, hue);
    EXPECT_EQ(hsl.Sat, sat);
    EXPECT_EQ(hsl.Lum, lum);
}

std::int32_t rgb(std::int32_t r, std::int32_t g, std::int32_t b) {
    return r + 256 * g + 65536 * b;
}

} // namespace

TEST(VadiduLibColor, NearestRoundsHalfToEven) {
    EXPECT_EQ(nearest(0.5), 0);
    EXPECT_EQ(nearest(1.5), 2);
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(119.53), 120);
    EXPECT_EQ(nearest(-0.5), 0);
    EXPECT_EQ(nearest(-1.5), -2);
    EXPECT_EQ(nearest(-2.5), -2);
    EXPECT_EQ(nearest(-2.6), -3);
    EXPECT_EQ(nearest(2147483647.4), INT_MAX);
    EXPECT_EQ(errorNumberOf([] { nearest(3e9); }), sys::ErrOverflow);
}

TEST(VadiduLibColor, HSLToRGBOnTheScaleOf256) {
    EXPECT_EQ(HSLToRGB({0, 240, 120}), 0x0000FF);
    EXPECT_EQ(HSLToRGB({12, 240, 120}), rgb(255, 77, 0));
    EXPECT_EQ(html(HSLToRGB({40, 240, 120})), "#FFFF00");
    EXPECT_EQ(html(HSLToRGB({200, 240, 120})), "#FF00FF");
    EXPECT_EQ(html(HSLToRGB({185, 240, 120})), "#A000FF");
    for (std::int32_t hue : {0, 77, 240}) {
        EXPECT_EQ(HSLToRGB({hue, 0, 240}), 0xFFFFFF); // 256 clamped
        EXPECT_EQ(HSLToRGB({hue, 0, 239}), 0xFFFFFF);
        EXPECT_EQ(HSLToRGB({hue, 0, 120}), rgb(128, 128, 128));
        EXPECT_EQ(HSLToRGB({hue, 0, 1}), rgb(1, 1, 1));
    }
    EXPECT_EQ(html(HSLToRGB({0, 240, 225})), "#FFE0E0"); // light shades take the other M2
    EXPECT_EQ(HSLToRGB({0, 0, -10}), 0);                 // below 0 clamps to 0
    EXPECT_EQ(HSLToRGB({0, 240, 240}), 0xFFFFFF);
}

TEST(VadiduLibColor, HueToRGBFoldsTheHueOnce) {
    // M1 = 0, M2 = 240: rising edge below 40, M2 up to 120, falling to 160, M1 after.
    EXPECT_EQ(HueToRGB(0, 240, 20), 120);
    EXPECT_EQ(HueToRGB(0, 240, 40), 240);
    EXPECT_EQ(HueToRGB(0, 240, 140), 120);
    EXPECT_EQ(HueToRGB(0, 240, 160), 0);
    EXPECT_EQ(HueToRGB(0, 240, -220), 120);   // 20
    EXPECT_EQ(HueToRGB(0, 240, 260), 120);    // 20
    EXPECT_EQ(HueToRGB(0, 240, 240), 0);      // 240 stays 240
    EXPECT_EQ(HueToRGB(0, 240, 500), 0);      // folded once only: 260 is past every edge
    EXPECT_EQ(HueToRGB(0, 240, -500), -1560); // -260: the rising edge, far below 0
}

TEST(VadiduLibColor, RGBToHSLFromTheLargestAndSmallestComponent) {
    expectHSL(RGBToHSL(0xFFFFFF), 0, 0, 239);
    expectHSL(RGBToHSL(0), 0, 0, 0);
    expectHSL(RGBToHSL(rgb(128, 128, 128)), 0, 0, 120);
    expectHSL(RGBToHSL(0x0000FF), 0, 240, 120);
    expectHSL(RGBToHSL(rgb(255, 128, 128)), 0, 236, 180);
    expectHSL(RGBToHSL(rgb(1, 2, 3)), 140, 120, 2);
    expectHSL(RGBToHSL(rgb(255, 0, 255)), 200, 240, 120); // -40 wrapped
    expectHSL(RGBToHSL(rgb(255, 255, 0)), 40, 240, 120);  // red branch decides a tie
    expectHSL(RGBToHSL(rgb(0, 255, 255)), 120, 240, 120); // green branch
    expectHSL(RGBToHSL(rgb(255, 0, 26)), 236, 240, 120);
    expectHSL(RGBToHSL(static_cast<std::int32_t>(0xFF0000FFu)), 0, 240, 120); // top byte ignored
}

TEST(VadiduLibColor, ComponentsAndExtremes) {
    const std::int32_t c = rgb(0x12, 0x34, 0x56);
    EXPECT_EQ(GetRed(c), 0x12);
    EXPECT_EQ(GetGreen(c), 0x34);
    EXPECT_EQ(GetBlue(c), 0x56);
    EXPECT_EQ(GetBlue(static_cast<std::int32_t>(0x80FF0000u)), 0xFF); // system colour bits

    EXPECT_EQ(MaxOf(1, 3, 2), 3);
    EXPECT_EQ(MinOf(3, 1, 2), 1);
    EXPECT_EQ(MaxOf(7), 7);
    struct Tagged {
        int value;
        char tag;
        bool operator<(const Tagged& other) const { return value < other.value; }
        bool operator>(const Tagged& other) const { return value > other.value; }
    };
    EXPECT_EQ(MaxOf(Tagged{5, 'a'}, Tagged{5, 'b'}, Tagged{1, 'c'}).tag, 'a');
    EXPECT_EQ(MinOf(Tagged{1, 'a'}, Tagged{5, 'b'}, Tagged{1, 'c'}).tag, 'a');

    // Hues and values from a palette file are taken as they stand: too large is an error.
    EXPECT_EQ(errorNumberOf([] { HSLToRGB({INT_MAX, 240, 120}); }), sys::ErrOverflow);
    EXPECT_EQ(errorNumberOf([] { HSLToRGB({0, 240, INT_MAX}); }), sys::ErrOverflow);
    EXPECT_EQ(errorNumberOf([] { HueToRGB(INT_MIN, INT_MAX, 10); }), sys::ErrOverflow);
}

TEST(VadiduLibColor, EveryNamedHueGivesItsPaletteColour) {
    struct NamedHue {
        const char* name;
        std::int32_t hue;
        const char* color;
    };
    const NamedHue table[] = {
        {"Red", 0, "#FF0000"},         {"Copper", 12, "#FF4D00"},  {"Orange", 20, "#FF8000"},
        {"Bronze", 25, "#FFA000"},     {"Gold", 30, "#FFC000"},    {"Topaz", 35, "#FFE000"},
        {"Tourmaline", 37, "#FFED00"}, {"Yellow", 40, "#FFFF00"},  {"Turquoise", 110, "#00FFC0"},
        {"Jade", 100, "#00FF80"},      {"Beryl", 90, "#00FF40"},   {"Green", 80, "#00FF00"},
        {"Emerald", 70, "#40FF00"},    {"Lime", 60, "#80FF00"},    {"Lemon", 50, "#C0FF00"},
        {"Citrine", 45, "#E0FF00"},    {"Cyan", 120, "#00FFFF"},   {"Aqua", 125, "#00E0FF"},
        {"Teal", 130, "#00C0FF"},      {"Azure", 140, "#0080FF"},  {"Sapphire", 150, "#0040FF"},
        {"Blue", 160, "#0000FF"},      {"Indigo", 170, "#4000FF"}, {"Lavender", 180, "#8000FF"},
        {"Crimson", 230, "#FF0040"},   {"Pink", 220, "#FF0080"},   {"Fuschia", 210, "#FF00C0"},
        {"Magenta", 200, "#FF00FF"},   {"Cobalt", 195, "#E000FF"}, {"Violet", 190, "#C000FF"},
        {"Amethyst", 185, "#A000FF"},
    };
    static_assert(std::size(table) == 31);
    for (const NamedHue& entry : table)
        EXPECT_EQ(html(HSLToRGB({entry.hue, 240, 120})), entry.color) << entry.name;
}
