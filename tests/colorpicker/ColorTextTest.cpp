#include "colorpicker/ColorText.h"

#include <gtest/gtest.h>

using namespace zirirur;

TEST(ColorText, MakeHTMLColorPadsEachComponent) {
    EXPECT_EQ(MakeHTMLColor(0, 10, 255), "#000AFF");
    EXPECT_EQ(MakeHTMLColor(255, 0, 0), "#FF0000");
    EXPECT_EQ(MakeHTMLColor(16, 15, 1), "#100F01");
}

TEST(ColorText, HexDigitValueTakesUpperCaseDigitsOnly) {
    EXPECT_EQ(HexDigitValue("0"), 0);
    EXPECT_EQ(HexDigitValue("9"), 9);
    EXPECT_EQ(HexDigitValue("A"), 10);
    EXPECT_EQ(HexDigitValue("F"), 15);
    EXPECT_EQ(HexDigitValue("a"), 0);
    EXPECT_EQ(HexDigitValue("G"), 0);
    EXPECT_EQ(HexDigitValue("#"), 0);
    EXPECT_EQ(HexDigitValue(""), 0);
    EXPECT_EQ(HexDigitValue("AB"), 0);
}

TEST(ColorText, WhatRGBReadsSixDigitsWithOrWithoutTheSign) {
    EXPECT_EQ(WhatRGB("#FF0000"), 0x0000FF);
    EXPECT_EQ(WhatRGB("FF0000"), 0x0000FF);
    EXPECT_EQ(WhatRGB("#0A00FF"), 0xFF000A);
    EXPECT_EQ(WhatRGB("#ff0000"), 0); // lower-case digits count as 0
    EXPECT_EQ(WhatRGB("#FFF"), 0);    // too short
    EXPECT_EQ(WhatRGB(""), 0);
    EXPECT_EQ(WhatRGB("AABBCCDD"), 0xAA + 256 * 0xBB + 65536 * 0xDD);
    EXPECT_EQ(WhatRGB("#AABBCCDD"), 0xBB + 256 * 0xCC + 65536 * 0xDD);
    EXPECT_EQ(WhatRGB("#ABCDE"), 10 + 256 * 0xBC + 65536 * 0xDE);
    EXPECT_EQ(WhatRGB("#GGHHII"), 0);
    // Characters, not bytes: five euro signs are too short, and "é" counts as one non-digit.
    EXPECT_EQ(WhatRGB("€€€€€"), 0);
    EXPECT_EQ(WhatRGB("#éFFFFF"), 0x0F + 256 * 0xFF + 65536 * 0xFF);
    EXPECT_EQ(MakeHTMLColor(0x12, 0xAB, 0xEF), "#12ABEF");
    EXPECT_EQ(WhatRGB(MakeHTMLColor(0x12, 0xAB, 0xEF)), 0x12 + 256 * 0xAB + 65536 * 0xEF);
}
