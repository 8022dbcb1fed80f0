#include "platform/sys/Text.h"

#include <gtest/gtest.h>

#include <climits>

namespace text = sys::text;
using text::Compare;

TEST(SysText, CountsAndCutsCharactersNotBytes) {
    const std::string s = "aé€𝄞z"; // 1, 2, 3, 4 and 1 bytes
    EXPECT_EQ(text::length(s), 5);
    EXPECT_EQ(text::length(""), 0);
    EXPECT_EQ(text::left(s, 2), "aé");
    EXPECT_EQ(text::right(s, 2), "𝄞z");
    EXPECT_EQ(text::mid(s, 3, 2), "€𝄞");
    EXPECT_EQ(text::mid(s, 2), "é€𝄞z");
    EXPECT_EQ(text::byteOffset(s, 4), 6u);
}

TEST(SysText, EdgesOfLeftRightAndMid) {
    const std::string s = "héllo";
    EXPECT_EQ(text::left(s, 0), "");
    EXPECT_EQ(text::left(s, -3), "");
    EXPECT_EQ(text::left(s, 99), s);
    EXPECT_EQ(text::left(s, LONG_MAX), s);
    EXPECT_EQ(text::right(s, 0), "");
    EXPECT_EQ(text::right(s, 99), s);
    EXPECT_EQ(text::mid(s, 0, 2), "hé"); // a start before the first character starts at it
    EXPECT_EQ(text::mid(s, 5, 1), "o");
    EXPECT_EQ(text::mid(s, 6, 1), "");
    EXPECT_EQ(text::mid(s, 99), "");
    EXPECT_EQ(text::mid(s, 2, 0), "");
    EXPECT_EQ(text::mid(s, 4, 99), "lo");
    EXPECT_EQ(text::mid(s, 2, LONG_MAX), "éllo"); // "the rest", without overflowing
    EXPECT_EQ(text::mid("", 1, 1), "");
}

TEST(SysText, FindsWithAndWithoutRegardToCase) {
    EXPECT_EQ(text::find("Été à Paris", "à paris", 1, Compare::IgnoreCase), 5);
    EXPECT_EQ(text::find("Été à Paris", "à paris", 1, Compare::Exact), 0);
    EXPECT_EQ(text::find("ÉTÉ été", "été", 1, Compare::IgnoreCase), 1);
    EXPECT_EQ(text::find("ÉTÉ été", "été", 2, Compare::IgnoreCase), 5);
    EXPECT_EQ(text::find("ÉTÉ été", "été", 1, Compare::Exact), 5);
    EXPECT_EQ(text::find("ŸES", "ÿes", 1, Compare::IgnoreCase), 1);
    EXPECT_EQ(text::find("Œuvre ŽIVA", "živa", 1, Compare::IgnoreCase), 7);
    EXPECT_EQ(text::find("ПРИВЕТ мир", "привет", 1, Compare::IgnoreCase), 1);
    EXPECT_EQ(text::find("ééX", "x", 1, Compare::IgnoreCase), 3); // positions in characters
    EXPECT_EQ(text::find("abc", "c", 4), 0);
    EXPECT_EQ(text::find("abc", "", 2), 2);
    EXPECT_EQ(text::find("abc", "", 4), 4);
    EXPECT_EQ(text::find("abc", "", 5), 0);
    EXPECT_EQ(text::find("abc", "a", -5), 1);
    EXPECT_TRUE(text::equal("Ça Va", "çA vA", Compare::IgnoreCase));
    EXPECT_FALSE(text::equal("Ça Va", "çA vA", Compare::Exact));
}

TEST(SysText, BytesThatAreNoCharacterCountAsOneEach) {
    // An overlong "\0", a stray continuation byte and a truncated sequence.
    const std::string s = std::string("\xC0\x80") + "ab\x80" + "c\xE2\x82";
    EXPECT_EQ(text::length(s), 8);
    EXPECT_EQ(text::find(s, "B", 1, Compare::IgnoreCase), 4);
    EXPECT_EQ(text::find(s, "C", 1, Compare::IgnoreCase), 6);
    EXPECT_EQ(text::mid(s, 3, 2), "ab");
    EXPECT_EQ(text::upper(s).size(), s.size()); // kept as they are, never moved
    EXPECT_EQ(text::upper(s), std::string("\xC0\x80") + "AB\x80" + "C\xE2\x82");
    EXPECT_EQ(text::toAnsi(s), "??ab?c??");
}

TEST(SysText, ChangesCaseOfTheCodePagesLetters) {
    EXPECT_EQ(text::upper("straße élan ÿ œ"), "STRAßE ÉLAN Ÿ Œ");
    EXPECT_EQ(text::lower("ÉLAN Ÿ Œ ΣΑΣ"), "élan ÿ œ σασ");
    EXPECT_EQ(text::upper("1+x=ü"), "1+X=Ü");
    // Runs of ASCII go eight bytes at a time: the neighbours of the letters stay.
    EXPECT_EQ(text::upper("@az[`AZ{ Mixed Case é text"), "@AZ[`AZ{ MIXED CASE É TEXT");
    EXPECT_EQ(text::lower("@az[`AZ{ Mixed Case É TEXT"), "@az[`az{ mixed case é text");
    EXPECT_EQ(text::trim("  \ta b \t  "), "\ta b \t");
    EXPECT_EQ(text::trimLeft("  a  "), "a  ");
    EXPECT_EQ(text::trimRight("  a  "), "  a");
}

TEST(SysText, AnsiConversionRoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string utf8 = text::fromAnsi(all);
    EXPECT_EQ(text::length(utf8), 256);
    EXPECT_EQ(text::toAnsi(utf8), all);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(text::ansiCode(text::mid(utf8, b + 1, 1)), b) << "byte " << b;

    EXPECT_EQ(text::fromAnsi("caf\xE9 \x80 \x93q\x94 \x9F"), "café € “q” Ÿ");
    EXPECT_EQ(text::toAnsi("naïve € “q”"), "na\xEFve \x80 \x93q\x94");
    EXPECT_EQ(text::toAnsi("→ 日本"), "? ??"); // not in the code page
    EXPECT_EQ(text::ansiCode("é"), 233);
    EXPECT_EQ(text::ansiCode("€uro"), 128);
    EXPECT_EQ(text::ansiCode("→"), '?');
    EXPECT_EQ(text::ansiCode(""), 0);
}
