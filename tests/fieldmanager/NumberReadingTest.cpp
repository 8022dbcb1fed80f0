#include "fieldmanager/NumberReading.h"
#include "fieldmanager/frmManFields.h"
#include "platform/sys/Error.h"

#include <gtest/gtest.h>

namespace {

using zirirur::NumberReading;

TEST(NumberReading, ReadsTheNumberAtTheStartOfTheText) {
    const std::pair<const char*, const char*> cases[] = {
        {"12abc", "12"}, {"", "0"},          {"abc", "0"},  {"1.5", "1.5"},  {"2.50", "2.5"},
        {"1 2", "12"},   {" \t7\n0 ", "70"}, {"-3", "-3"},  {"+5", "5"},     {"-", "0"},
        {"-0", "0"},     {"12.3.4", "12.3"}, {".5", "0.5"}, {"1E3", "1000"}, {"1e-2x", "0.01"},
        {"1E", "1"},     {"1E+x", "1"},      {"&H10", "0"}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(NumberReading::normalised(text), number) << text;
}

TEST(NumberReading, WritesAtMostFifteenSignificantDigits) {
    EXPECT_EQ(NumberReading::write(123456789012345.0), "123456789012345");
    EXPECT_EQ(NumberReading::write(123456789012345678.0), "1.23456789012346E+17");
    EXPECT_EQ(NumberReading::write(1e20), "1E+20");
    EXPECT_EQ(NumberReading::write(0.00001), "1E-05");
    EXPECT_EQ(NumberReading::write(1.0 / 3.0), "0.333333333333333");
}

TEST(NumberReading, TooLargeANumberIsAnOverflow) {
    try {
        NumberReading::normalised("1E400");
        FAIL() << "no error";
    } catch (const sys::Error& error) {
        EXPECT_EQ(error.number(), sys::ErrOverflow);
    }
    EXPECT_EQ(NumberReading::normalised("1E-400"), "0");
}

TEST(WhatLocalRGB, ReadsColourTextWithOrWithoutTheNumberSign) {
    using zirirur::frmManFields;
    EXPECT_EQ(frmManFields::WhatLocalRGB("#FF8000"), 0x0080FF);
    EXPECT_EQ(frmManFields::WhatLocalRGB("FF8000"), 0x0080FF);
    EXPECT_EQ(frmManFields::WhatLocalRGB("#FFF"), 0);
    EXPECT_EQ(frmManFields::WhatLocalRGB(""), 0);
    // Lower-case digits count as 0.
    EXPECT_EQ(frmManFields::WhatLocalRGB("#ff0000"), 0);
    // Eight digits without the sign: the pairs AA, BB and the last two, DD.
    EXPECT_EQ(frmManFields::WhatLocalRGB("AABBCCDD"), 0xDDBBAA);
    // With the sign, the last six characters.
    EXPECT_EQ(frmManFields::WhatLocalRGB("#AABBCCDD"), 0xDDCCBB);
    // Six characters with the sign: the pairs "#A", "BC", "DE".
    EXPECT_EQ(frmManFields::WhatLocalRGB("#ABCDE"), 0xDEBC0A);
}

} // namespace
