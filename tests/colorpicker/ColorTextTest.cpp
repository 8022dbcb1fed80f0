#include "colorpicker/ColorText.h"

#include <gtest/gtest.h>

#include <utility>

using namespace zirirur;

TEST(ColorText, MakeHTMLColorPadsEachComponent) {
    EXPECT_EQ(MakeHTMLColor(0, 10, 255), "#000AFF");
    EXPECT_EQ(MakeHTMLColor(255, 0, 0), "#FF0000");
    EXPECT_EQ(MakeHTMLColor(16, 15, 1), "#100F01");
}

TEST(ColorText, HexDigitValueTakesOneUpperCaseDigitOnly) {
    const std::pair<const char*, int> cases[] = {{"0", 0}, {"9", 9}, {"A", 10}, {"F", 15}, {"a", 0},
                                                 {"G", 0}, {"#", 0}, {"", 0},   {"AB", 0}};
    for (const auto& [digit, value] : cases)
        EXPECT_EQ(HexDigitValue(digit), value) << digit;
}

TEST(ColorText, WhatRGBReadsSixDigitsWithOrWithoutTheSign) {
    // Lower-case digits and other non-digits count as 0; under six characters is black. Eight
    // digits without the sign read AA, BB and DD; with it, the last six characters ("#ABCDE":
    // "#A", "BC", "DE"). Characters, not bytes: five euro signs are too short, "é" is one.
    const std::pair<const char*, int> cases[] = {
        {"#FF0000", 0x0000FF},   {"FF0000", 0x0000FF}, {"#0A00FF", 0xFF000A},
        {"#ff0000", 0},          {"#FFF", 0},          {"", 0},
        {"#GGHHII", 0},          {"€€€€€", 0},         {"AABBCCDD", 0xDDBBAA},
        {"#AABBCCDD", 0xDDCCBB}, {"#ABCDE", 0xDEBC0A}, {"#éFFFFF", 0xFFFF0F}};
    for (const auto& [text, color] : cases)
        EXPECT_EQ(WhatRGB(text), color) << text;
    EXPECT_EQ(WhatRGB(MakeHTMLColor(0x12, 0xAB, 0xEF)), 0xEFAB12);
}
