#include "fieldmanager/ScriptString.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using zirirur::ScriptString;

TEST(ScriptString, EscapesOnlyWhatWouldEndTheStringAndReadsItBack) {
    // Text without a backslash, an apostrophe, a line break or a control stands as it is.
    EXPECT_EQ(ScriptString::escaped("Tom & \"Jerry\" &amp; <b>"), "Tom & \"Jerry\" &amp; <b>");
    EXPECT_EQ(ScriptString::escaped("Don't"), "Don\\x27t");
    EXPECT_EQ(ScriptString::escaped("a\\b\r\nc"), "a\\\\b\\r\\nc");
    EXPECT_EQ(ScriptString::escaped("x\u2028y\u2029"), "x\\u2028y\\u2029");
    EXPECT_EQ(ScriptString::escaped("a\tb\x01\x7F"s + '\0'), "a\\tb\\x01\\x7F\\x00");
    for (const std::string& text : {""s, "'"s, "\\"s, "\\x27"s, "\\\\'"s, "end\\"s, "'\\'\\r\\n"s,
                                    "Stra\u00DFe\r\n"s, "C:\\temp\\u12\t\x1B"s, "a\0b"s})
        EXPECT_EQ(ScriptString::unescaped(ScriptString::escaped(text)), text) << text;
}

// The page's own strings, written by hand, read as the browser reads them.
TEST(ScriptString, ReadsEveryEscapeOfThePageAsTheBrowserDoes) {
    const std::pair<std::string, std::string> cases[] = {
        {R"(Tab\there \u00e9 Don\'t)", "Tab\there \u00e9 Don't"},
        {R"(\x72ed)", "red"},
        {R"(\'\"\\\b\f\n\r\t\v)", "'\"\\\b\f\n\r\t\v"},
        // Octal, as scripts outside strict mode read it; \8 and \9 are the digits.
        {R"(\0x\08\1\12\123\1234\400\8\9)", "\0x\0"s
                                            "8\x01"
                                            "\nSS4 089"},
        {R"(\u{1F600}\uD83D\uDE00\u{000061}\u004A)", "\U0001F600\U0001F600aJ"},
        {R"(\uD83Dx\uDE00)", "\uFFFDx\uFFFD"},              // lone surrogates
        {"a\\\nb\\\r\nc\\\rd\\\u2028e\\\u2029f", "abcdef"}, // line continuations
        {R"(\q\é\ )", "qé "},
        // What the browser would refuse, and text without a backslash, stand as they are.
        {R"(\x4 \xg1 \u12 \u{110000} \u{} \u{41 end\)",
         R"(\x4 \xg1 \u12 \u{110000} \u{} \u{41 end\)"},
        {"it's C:/temp &amp; \"x\"", "it's C:/temp &amp; \"x\""},
    };
    for (const auto& [literal, text] : cases)
        EXPECT_EQ(ScriptString::unescaped(literal), text) << literal;

    // The string after its opening ends at the first quote that no backslash escapes.
    const std::string statements = R"(style.backgroundColor='\x72ed';STYLE.COLOR='it\'s \\';)";
    EXPECT_EQ(ScriptString::readAfter(statements, "style.backgroundColor='"), "red");
    EXPECT_EQ(ScriptString::readAfter(statements, "style.color='"), "it's \\");
    EXPECT_EQ(ScriptString::readAfter("style.color='open\\'", "style.color='"), "");
    EXPECT_EQ(ScriptString::readAfter("go();", "style.color='"), "");
}

} // namespace
