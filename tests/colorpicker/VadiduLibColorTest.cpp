#include "colorpicker/VadiduLibColor.h"

#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <utility>

using namespace zirirur;

namespace {

std::string html(std::int32_t color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRed(color), GetGreen(color),
                  GetBlue(color));
    return text;
}

} // namespace

TEST(VadiduLibColor, NearestRoundsHalfToEven) {
    const std::pair<double, int> cases[] = {{0.5, 0},      {1.5, 2},   {2.5, 2},
                                            {119.53, 120}, {-0.5, 0},  {-1.5, -2},
                                            {-2.5, -2},    {-2.6, -3}, {2147483647.4, INT_MAX}};
    for (const auto& [x, whole] : cases)
        EXPECT_EQ(nearest(x), whole) << x;
    EXPECT_EQ(errorNumberOf([] { nearest(3e9); }), sys::ErrOverflow);
}

TEST(VadiduLibColor, HSLToRGBOnTheScaleOf256) {
    // Colours as 0xBBGGRR; full colours are the named hues below.
    for (std::int32_t hue : {0, 77, 240}) {
        EXPECT_EQ(HSLToRGB({hue, 0, 240}), 0xFFFFFF); // 256 clamped
        EXPECT_EQ(HSLToRGB({hue, 0, 239}), 0xFFFFFF);
        EXPECT_EQ(HSLToRGB({hue, 0, 120}), 0x808080);
        EXPECT_EQ(HSLToRGB({hue, 0, 1}), 0x010101);
    }
    EXPECT_EQ(html(HSLToRGB({0, 240, 225})), "#FFE0E0"); // light shades take the other M2
    EXPECT_EQ(HSLToRGB({0, 0, -10}), 0);                 // below 0 clamps to 0
    EXPECT_EQ(HSLToRGB({0, 240, 240}), 0xFFFFFF);
}

TEST(VadiduLibColor, HueToRGBFoldsTheHueOnce) {
    // M1 = 0, M2 = 240: rising edge below 40, M2 up to 120, falling to 160, M1 after. -220 and
    // 260 fold to 20, 240 stays; 500 folds once only, to 260, past every edge; -500 folds to
    // -260, on the rising edge far below 0.
    const std::pair<int, int> cases[] = {{20, 120}, {40, 240},   {140, 120},
                                         {160, 0},  {-220, 120}, {260, 120},
                                         {240, 0},  {500, 0},    {-500, -1560}};
    for (const auto& [hue, value] : cases)
        EXPECT_EQ(HueToRGB(0, 240, hue), value) << hue;
}

TEST(VadiduLibColor, RGBToHSLFromTheLargestAndSmallestComponent) {
    auto hsl = [](std::int32_t color) {
        const HSLColor c = RGBToHSL(color);
        return std::to_string(c.Hue) + " " + std::to_string(c.Sat) + " " + std::to_string(c.Lum);
    };
    // Colours as 0xBBGGRR. Magenta's -40 wraps; red's branch decides the tie of yellow; cyan
    // takes green's branch; the top byte is ignored (-0xFFFF01 is 0xFF0000FF).
    const std::pair<std::int32_t, const char*> cases[] = {
        {0xFFFFFF, "0 0 239"},     {0, "0 0 0"},
        {0x808080, "0 0 120"},     {0x0000FF, "0 240 120"},
        {0x8080FF, "0 236 180"},   {0x030201, "140 120 2"},
        {0xFF00FF, "200 240 120"}, {0x00FFFF, "40 240 120"},
        {0xFFFF00, "120 240 120"}, {0x1A00FF, "236 240 120"},
        {-0xFFFF01, "0 240 120"}};
    for (const auto& [color, expected] : cases)
        EXPECT_EQ(hsl(color), expected) << std::hex << color;
}

TEST(VadiduLibColor, ComponentsAndExtremes) {
    EXPECT_EQ(html(0x563412), "#123456");
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
