#include "fieldmanager/NumberReading.h"
#include "fieldmanager/frmManFields.h"
#include "platform/sys/Error.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

#include <utility>

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
    EXPECT_EQ(errorNumberOf([] { NumberReading::normalised("1E400"); }), sys::ErrOverflow);
    EXPECT_EQ(NumberReading::normalised("1E-400"), "0");
}

TEST(WhatLocalRGB, ReadsColourTextWithOrWithoutTheNumberSign) {
    // Lower-case digits count as 0. Eight digits without the sign: the pairs AA, BB and the
    // last two, DD; with it, the last six characters; six with the sign: "#A", "BC", "DE".
    const std::pair<const char*, int> cases[] = {
        {"#FF8000", 0x0080FF},  {"FF8000", 0x0080FF},    {"#FFF", 0},          {"#ff0000", 0},
        {"AABBCCDD", 0xDDBBAA}, {"#AABBCCDD", 0xDDCCBB}, {"#ABCDE", 0xDEBC0A}, {"", 0}};
    for (const auto& [text, color] : cases)
        EXPECT_EQ(zirirur::frmManFields::WhatLocalRGB(text), color) << text;
}

} // namespace
