#include "fieldmanager/AttributeGrammar.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using zirirur::AttributeGrammar;

TEST(AttributeGrammar, ReadsTheFirstOccurrenceOfTheNameWithoutRegardToCase) {
    const std::string tag = R"~(<INPUT name="a" onBlur="VQRMakeUpper(this);" onfocus="go();">)~";
    EXPECT_EQ(AttributeGrammar::read(tag, "onblur"), "VQRMakeUpper(this);");
    EXPECT_EQ(AttributeGrammar::read(tag, "ONFOCUS"), "go();");
    EXPECT_EQ(AttributeGrammar::read(tag, "onkeyup"), "");
    // Characters, not bytes, are counted on the way.
    EXPECT_EQ(AttributeGrammar::read(R"~(<INPUT value="äöü€" onblur="x('é');">)~", "onblur"),
              "x('é');");
    // A name whose value ends in "onblur" comes first: the reader starts two characters after
    // it and stops at the real attribute's opening quote.
    EXPECT_EQ(AttributeGrammar::read(R"~(<INPUT name="ponblur" onblur="VQRMakeUpper(this);">)~",
                                     "onblur"),
              "onblur=");
}

TEST(AttributeGrammar, EmptyUnquotedAndUnclosedValues) {
    EXPECT_EQ(AttributeGrammar::read(R"~(<INPUT onfocus="" name="a">)~", "onfocus"), "");
    ASSERT_TRUE(AttributeGrammar::find(R"~(<INPUT onfocus="" name="a">)~", "onfocus"));

    // Not in quotes: from the second character after "=" up to the next double quote.
    EXPECT_EQ(AttributeGrammar::read(R"~(<INPUT onfocus=go() name="a">)~", "onfocus"), "o() name=");
    EXPECT_EQ(AttributeGrammar::read("<INPUT onfocus=go()>", "onfocus"), "");
    EXPECT_EQ(AttributeGrammar::read(R"~(<INPUT onblur="never closed>)~", "onblur"), "");
    EXPECT_EQ(AttributeGrammar::read("<INPUT onblur", "onblur"), "");
}

TEST(AttributeGrammar, RewriteReplacesInPlaceOrAddsBeforeTheFirstClosingBracket) {
    // Present: replaced where it stands, in the caller's spelling; the old name's case goes.
    EXPECT_EQ(
        *AttributeGrammar::rewrite(R"~(<INPUT onBlur="old()" name="a">)~", "onblur", "new();"),
        R"~(<INPUT  onblur="new();" name="a">)~");
    // The last attribute of the tag keeps the tag's ">".
    EXPECT_EQ(*AttributeGrammar::rewrite(R"~(<INPUT name="a" onblur="old()">)~", "onblur", "n();"),
              R"~(<INPUT name="a"  onblur="n();" >)~");
    // An empty value is replaced in place too.
    EXPECT_EQ(*AttributeGrammar::rewrite(R"~(<INPUT onfocus="" name="a">)~", "onfocus", "f();"),
              R"~(<INPUT  onfocus="f();" name="a">)~");
    // Absent: added before the first ">"; the script is written as given.
    EXPECT_EQ(*AttributeGrammar::rewrite(R"~(<INPUT name="a">)~", "onfocus", "x='<q>'"),
              R"~(<INPUT name="a" onfocus="x='<q>'" >)~");
    EXPECT_EQ(*AttributeGrammar::rewrite(R"~(<TEXTAREA name="t">a</TEXTAREA>)~", "onblur", "b()"),
              R"~(<TEXTAREA name="t" onblur="b()" >a</TEXTAREA>)~");
    EXPECT_FALSE(AttributeGrammar::rewrite("no tag at all", "onblur", "b()"));
}

TEST(AttributeGrammar, PositionsPast32767AreNoMatch) {
    const std::string padding(33000, 'x');

    // The name itself lies past the limit.
    const std::string late =
        R"~(<INPUT value=")~" + padding + R"~(" onblur="VQRMakeUpper(this);">)~";
    EXPECT_EQ(AttributeGrammar::read(late, "onblur"), "");
    EXPECT_FALSE(AttributeGrammar::find(late, "onblur"));
    // Absent and no ">" within reach: nothing can be written.
    EXPECT_FALSE(AttributeGrammar::rewrite(late, "onblur", "x();"));

    // The name is early but its closing quote lies past the limit.
    const std::string longValue = R"~(<INPUT onblur=")~" + padding + R"~(">)~";
    EXPECT_EQ(AttributeGrammar::read(longValue, "onblur"), "");

    // Just inside the limit still counts.
    const std::string near(32700, 'y');
    const std::string inside = R"~(<INPUT value=")~" + near + R"~(" onblur="ok();">)~";
    EXPECT_EQ(AttributeGrammar::read(inside, "onblur"), "ok();");
}

} // namespace
