#include "fieldmanager/EffectStatement.h"

#include <gtest/gtest.h>

namespace {

using zirirur::EffectStatement;

TEST(EffectStatement, AddRuleAppendsOneCopyJoinedBySemicolons) {
    const auto& upper = EffectStatement::UpperCase;
    EXPECT_EQ(upper.added("", upper.text()), "VQRMakeUpper(this);");
    // Outer blanks go, inner blanks stay, a missing ";" is supplied.
    EXPECT_EQ(upper.added("  first() ; second()  ", upper.text()),
              "first() ; second();VQRMakeUpper(this);");
    // Adding again keeps one copy, at the end.
    EXPECT_EQ(upper.added("VQRMakeUpper(this);done();", upper.text()),
              "done();VQRMakeUpper(this);");
    // A copy in other letter case goes as well.
    EXPECT_EQ(upper.added("vqrmakeupper(this);", upper.text()), "VQRMakeUpper(this);");
    // Without its ";" it is not the statement: it stays.
    EXPECT_EQ(upper.added("VQRMakeUpper(this)", upper.text()),
              "VQRMakeUpper(this);VQRMakeUpper(this);");
}

TEST(EffectStatement, StatementsWithArgumentsReplaceTheFirstCopysArgument) {
    const auto& status = EffectStatement::StatusOnFocus;
    const std::string first = status.added("x();", status.text("one"));
    EXPECT_EQ(first, "x();ZirirurStatus('one');");
    EXPECT_EQ(status.added(first + "y()", status.text("two")), "x();y();ZirirurStatus('two');");
    // A copy holding a bare apostrophe, as pages written before hold it, is still found.
    const std::string quoted = status.added("", status.text("it's"));
    EXPECT_EQ(quoted, "ZirirurStatus('it's');");
    EXPECT_EQ(status.added(quoted, status.text("ok")), "ZirirurStatus('ok');");

    const auto& counter = EffectStatement::CharCounter;
    EXPECT_EQ(counter.text("50"), "ZirirurTextCounter(this,50);");
    // Only copies with the first copy's argument go.
    EXPECT_EQ(counter.added("ZirirurTextCounter(this,10);ZirirurTextCounter(this,20);",
                            counter.text("30")),
              "ZirirurTextCounter(this,20);ZirirurTextCounter(this,30);");

    const auto& bold = EffectStatement::BoldOnFocus;
    EXPECT_EQ(bold.added("this.style.fontWeight='bold';a();", bold.text()),
              "a();this.style.fontWeight='bold';");
    EXPECT_EQ(EffectStatement::BoldOnBlur.added("", EffectStatement::BoldOnBlur.text()),
              "this.style.fontWeight='normal';");
}

TEST(EffectStatement, RemoveRuleLeavesTheRestTrimmedEvenWhenNothingWasRemoved) {
    EXPECT_EQ(EffectStatement::UpperCase.removed("a();VQRMakeUpper(this);b();"), "a();b();");
    EXPECT_EQ(EffectStatement::UpperCase.removed("  keep( me ) "), "keep( me )");
    EXPECT_EQ(EffectStatement::UpperCase.removed(""), "");
    EXPECT_EQ(EffectStatement::StatusOnFocus.removed("ZirirurStatus('hi');"), "");
    EXPECT_EQ(EffectStatement::StatusOnBlur.removed("ZirirurStatus(' ');VQRMakeLower(this);"),
              "VQRMakeLower(this);");
    EXPECT_EQ(EffectStatement::CharCounter.removed("ZirirurTextCounter(this,5);"), "");
    EXPECT_EQ(EffectStatement::BoldOnBlur.removed("x();this.style.fontWeight='normal';"), "x();");
}

TEST(EffectStatement, LockVariantTakesEveryBlurCall) {
    EXPECT_EQ(EffectStatement::lockAdded("this.blur()"), "this.blur();");
    EXPECT_EQ(EffectStatement::lockAdded(""), "this.blur();");
    EXPECT_EQ(EffectStatement::lockAdded("a();this.blur();b()"), "a();b();this.blur();");
    EXPECT_EQ(EffectStatement::lockRemoved("this.blur()"), "");
    EXPECT_EQ(EffectStatement::lockRemoved("a();this.blur();b()"), "a();b();");
    EXPECT_EQ(EffectStatement::lockRemoved("a();"), "a();");
    EXPECT_EQ(EffectStatement::lockRemoved(""), "");
}

} // namespace
