#include "PageSession.h"

#include "fieldmanager/frmManFields.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/Style.h"
#include "platform/ui/PictureBox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

using testing::ElementsAre;
using zirirur::frmManFields;

ui::PictureBox& swatch(const std::string& name) {
    return dynamic_cast<ui::PictureBox&>(ui::Driver::instance().control(name));
}

// Gives a swatch its colour as the Color Selector does: the value and the colour text.
ui::Driver::Action paint(const std::string& name, const std::string& colorText) {
    return act::inspect([name, colorText] {
        swatch(name).setToolTipText(colorText);
        swatch(name).setBackColor(frmManFields::WhatLocalRGB(colorText));
    });
}

std::vector<ui::Driver::Action> paintAll(const std::string& focusBack, const std::string& back,
                                         const std::string& focusText, const std::string& text) {
    return {paint("Picture1", focusBack), paint("Picture2", back),
            paint("picHighlightText", focusText), paint("picNormalText", text)};
}

std::string statements(const std::string& background, const std::string& text) {
    return "style.backgroundColor='" + background + "';style.color='" + text + "';";
}

TEST(Highlighting, TheSwatchesColourTextGoesIntoThePageAndEachStatementMovesToTheEnd) {
    auto page = PageSession::fromBytes(
        "<form><input name=\"a\" onfocus=\"doit()\" onblur=\"style.color='#010101';later();\">"
        "<input name=\"upper\" onfocus=\"STYLE.BACKGROUNDCOLOR='#FF0000';\" onblur=\"x()\">"
        "<input name=\"two\" onfocus=\"style.backgroundColor='#111111';"
        "style.backgroundColor='#222222';style.backgroundColor='#111111';\">"
        "<input name=\"only\" onfocus=\"style.backgroundColor='#ABCDEF';\" "
        "style=\"width: 5em; background-color: #ABCDEF\"></form>");
    page->placeCursor("a");
    frmManFields dialog;
    std::vector<ui::Driver::Action> actions = paintAll("#FF0000", "#00FF00", "#0000FF", "#123456");
    actions.push_back(act::select("lstEffect", "Highlight Functions"));
    actions.push_back(act::click("Command6"));
    actions.push_back(act::inspect([&] {
        EXPECT_EQ(page->attribute("a", "onfocus"), "doit();" + statements("#FF0000", "#0000FF"));
        EXPECT_EQ(page->attribute("a", "onblur"), "later();" + statements("#00FF00", "#123456"));
        EXPECT_EQ(page->element("a")->style().backgroundColor(), "#00FF00");
        EXPECT_EQ(page->element("a")->style().color(), "#123456");
        EXPECT_EQ(rows("List4")[0], "YES");
        EXPECT_EQ(shown("txtHigh"), "ON");
    }));
    // A new colour rewrites all four statements; each stands after the field's own.
    actions.push_back(paint("picNormalText", "#654321"));
    actions.push_back(act::click("Command6"));
    actions.push_back(act::inspect([&] {
        EXPECT_EQ(page->attribute("a", "onblur"), "later();" + statements("#00FF00", "#654321"));
    }));

    // The key heeds case: a statement in other letters is no highlighting, and "-" leaves it;
    // "+" takes it away (removal ignores case) and writes its own.
    actions.push_back(act::select("List1", "upper"));
    actions.push_back(act::inspect([] { EXPECT_EQ(shown("txtHigh"), "OFF"); }));
    actions.push_back(act::click("Command7"));
    actions.push_back(act::inspect([&] {
        EXPECT_EQ(page->attribute("upper", "onfocus"), "STYLE.BACKGROUNDCOLOR='#FF0000';");
        EXPECT_EQ(page->attribute("upper", "onblur"), "x()");
    }));
    actions.push_back(act::click("Command6"));
    actions.push_back(act::inspect(
        [&] { EXPECT_EQ(page->attribute("upper", "onfocus"), statements("#FF0000", "#0000FF")); }));

    // Only the copies of the first background statement go.
    actions.push_back(act::select("List1", "two"));
    actions.push_back(act::click("Command7"));
    actions.push_back(act::select("List1", "only"));
    actions.push_back(act::click("Command7"));
    actions.push_back(act::inspect([] {
        EXPECT_EQ(rows("List4")[3], "NO");
        EXPECT_EQ(shown("txtHigh"), "OFF");
    }));
    page->run(dialog, actions);
    EXPECT_EQ(page->attribute("two", "onfocus"), "style.backgroundColor='#222222';");
    // Nothing left but an empty handler; the other declarations of the style stay.
    EXPECT_EQ(page->attribute("only", "onfocus"), "");
    EXPECT_EQ(page->attribute("only", "style"), "width: 5em");
}

TEST(Highlighting, ApplyToAllGivesEveryFieldTheStateAndCarriesColoursDownTheList) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    frmManFields dialog;
    const std::vector<std::string> fields{"plain", "own", "lit", "spaced", "story"};
    std::vector<ui::Driver::Action> actions{act::select("lstEffect", "Highlight Functions")};
    for (auto& action : paintAll("#FF0000", "#00FF00", "#0000FF", "#123456"))
        actions.push_back(action);
    actions.push_back(act::click("Command6"));
    actions.push_back(act::click("Command25"));
    actions.push_back(act::inspect([&] {
        // "own" takes the colours of "plain" before it; "lit" keeps its own, and the fields
        // after it take them.
        const std::map<std::string, std::string> onfocus{
            {"plain", statements("#FF0000", "#0000FF")},
            {"own", R"(if(a&&b){x="<q>"};)" + statements("#FF0000", "#0000FF")},
            {"lit", statements("#FFFF00", "#0000FF")},
            {"spaced", statements("#FFFF00", "#0000FF")},
            {"story", statements("#FFFF00", "#0000FF")}};
        for (const auto& [field, value] : onfocus)
            EXPECT_EQ(page.attribute(field, "onfocus"), value) << field;
        EXPECT_EQ(page.attribute("own", "onblur"),
                  "done(this);" + statements("#00FF00", "#123456"));
        EXPECT_EQ(page.attribute("story", "onblur"), statements("#FFFFFF", "#000000"));
        EXPECT_THAT(rows("List4"), ElementsAre("YES", "YES", "YES", "YES", "YES"));
        EXPECT_EQ(shown("List1"), "story");
        EXPECT_EQ(shown("txtHigh"), "ON");
    }));
    // Off for all: every background statement goes, every text colour stays.
    actions.push_back(act::click("Command7"));
    actions.push_back(act::click("Command25"));
    page.run(dialog, actions);
    for (const auto& field : fields) {
        EXPECT_EQ(page.attribute(field, "onfocus").find("backgroundColor"), std::string::npos)
            << field;
        EXPECT_THAT(page.attribute(field, "onfocus"), testing::EndsWith("style.color='#0000FF';"))
            << field;
        EXPECT_EQ(page.element(field)->style().backgroundColor(), "") << field;
    }

    // A form without fields: Apply To All changes nothing.
    PageSession empty("fm-empty-form.htm");
    empty.placeCursor("inside");
    const std::string before = empty.document()->serialize();
    frmManFields onEmpty;
    const auto transcript =
        empty.run(onEmpty, {act::select("lstEffect", "Highlight Functions"), act::click("Command6"),
                            act::click("Command25"),
                            act::inspect([] { EXPECT_EQ(shown("txtHigh"), "OFF"); })});
    EXPECT_EQ(transcript.size(), 2u) << transcript.back();
    EXPECT_EQ(empty.document()->serialize(), before);
}

TEST(Highlighting, ThePagesOwnHandlersSurviveWhateverItsMarkupHolds) {
    PageSession page("fm-roads.htm");
    page.placeCursor("k");
    const auto& fields = RoadFields;
    const auto& attributes = RoadAttributes;
    AttributeTable own = attributesOf(page, fields, attributes);

    frmManFields dialog;
    std::vector<ui::Driver::Action> actions{act::select("lstEffect", "Highlight Functions")};
    for (const auto& field : fields) {
        actions.push_back(act::select("List1", field));
        actions.push_back(act::click("Command7"));
        actions.push_back(act::click("Command6"));
        actions.push_back(act::inspect([&, field] {
            for (const char* name : {"onfocus", "onblur"})
                EXPECT_EQ(page.attribute(field, name),
                          own[field][name] + statements("#FFFFFF", "#000000"))
                    << field << " " << name;
        }));
        actions.push_back(act::click("Command7"));
    }
    page.run(dialog, actions);

    page.save();
    page.reopen();
    for (const auto& field : fields)
        for (const auto& name : attributes) {
            std::string expected = own[field][name];
            if (name == "onfocus" || name == "onblur")
                expected += "style.color='#000000';";
            EXPECT_EQ(page.element(field)->getAttribute(name).value_or(""), expected)
                << field << " " << name;
        }
}

// Each colour button opens the Color Selector on its own swatch's colour; with highlighting on,
// the colour chosen there goes into the field's statements at once.
TEST(Highlighting, TheColourButtonsOpenTheSelectorOnTheirSwatchAndRewriteAHighlightedField) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    frmManFields dialog;
    std::vector<ui::Driver::Action> actions = paintAll("#FF0000", "#00FF00", "#0000FF", "#123456");
    actions.push_back(act::select("lstEffect", "Highlight Functions"));
    for (const auto& [button, colour] :
         std::map<std::string, std::string>{{"Command4", "#FF0000"},
                                            {"Command5", "#00FF00"},
                                            {"Command20", "#0000FF"},
                                            {"Command23", "#123456"}}) {
        actions.push_back(act::click(button));
        actions.push_back(act::inspect([colour = colour] {
            EXPECT_EQ(ui::Driver::instance().topmostForm()->caption(), "Color Selector");
            EXPECT_EQ(shown("HTMLColor"), colour);
        }));
        actions.push_back(act::click("Command7"));
    }
    actions.push_back(act::select("List1", "own"));
    actions.push_back(act::click("Command6"));
    for (const auto& action :
         {act::click("Command20"), act::set("HTMLColor", ""), act::type("HTMLColor", "#abcdef"),
          act::key("HTMLColor", 13), act::click("Command2")})
        actions.push_back(action);
    const auto transcript = page.run(dialog, actions);
    EXPECT_EQ(page.attribute("own", "onfocus"),
              R"(if(a&&b){x="<q>"};)" + statements("#FF0000", "#ABCDEF"));
    EXPECT_EQ(page.attribute("own", "onblur"), "done(this);" + statements("#00FF00", "#123456"));
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), "form shown: Color Selector"), 5);
    EXPECT_THAT(errorLines(transcript), testing::IsEmpty());
}

// A colour that a page holds is passed on to other fields by Apply To All: it is read as the
// browser reads its script string (up to the quote no backslash escapes), and what would end the
// string is escaped on the way, so the fields it reaches keep working and mean the same.
TEST(Highlighting, AColourReadBackFromThePageIsWrittenAsAScriptString) {
    auto page =
        PageSession::fromBytes("<form><input name=\"odd\" onfocus=\"style.backgroundColor='C:\\\\ "
                               "it\\'s';style.color='#000000';\" "
                               "onblur=\"style.backgroundColor='#FFFFFF';style.color='#000000';\">"
                               "<input name=\"next\" onfocus=\"go();\"></form>");
    page->placeCursor("odd");
    frmManFields dialog;
    page->run(dialog,
              {act::inspect([] { EXPECT_EQ(swatch("Picture1").toolTipText(), "C:\\ it's"); }),
               act::select("lstEffect", "Highlight Functions"), act::click("Command25")});
    EXPECT_EQ(page->attribute("odd", "onfocus"), statements("C:\\\\ it\\x27s", "#000000"));
    EXPECT_EQ(page->attribute("next", "onfocus"),
              "go();" + statements("C:\\\\ it\\x27s", "#000000"));
    // Read back, the escaped text is the colour text again.
    page->placeCursor("next");
    frmManFields again;
    page->run(again, {act::select("List1", "next"), act::inspect([] {
                          EXPECT_EQ(swatch("Picture1").toolTipText(), "C:\\ it's");
                      })});
}

} // namespace
