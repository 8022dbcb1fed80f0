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

std::string attribute(PageSession& page, const std::string& field, const std::string& name) {
    return page.element(field)->getAttribute(name).value_or("(none)");
}

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

TEST(Highlighting, PlusWritesFourStatementsAndTheInlineColoursMinusTakesTheBackgroundsAway) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    frmManFields dialog;
    auto onWithDesignColours = act::inspect([&] {
        EXPECT_EQ(attribute(page, "plain", "onfocus"), statements("#FFFFFF", "#000000"));
        EXPECT_EQ(attribute(page, "plain", "onblur"), statements("#FFFFFF", "#000000"));
        EXPECT_EQ(page.element("plain")->style().backgroundColor(), "#FFFFFF");
        EXPECT_EQ(page.element("plain")->style().color(), "#000000");
        EXPECT_EQ(rows("List4")[0], "YES");
        EXPECT_EQ(shown("txtHigh"), "ON");
    });
    auto off = act::inspect([&] {
        // The text colours still change on focus and blur.
        EXPECT_EQ(attribute(page, "plain", "onfocus"), "style.color='#000000';");
        EXPECT_EQ(attribute(page, "plain", "onblur"), "style.color='#000000';");
        EXPECT_EQ(page.element("plain")->style().backgroundColor(), "");
        EXPECT_EQ(page.element("plain")->style().color(), "#000000");
        EXPECT_EQ(rows("List4")[0], "NO");
        EXPECT_EQ(shown("txtHigh"), "OFF");
    });
    const auto transcript =
        page.run(dialog, {act::select("lstEffect", "Highlight Functions"), act::click("Command6"),
                          onWithDesignColours, act::click("Command6"), onWithDesignColours,
                          act::click("Command7"), off, act::click("Command7"), off,
                          // A page's own statements come first; a missing ";" is supplied.
                          act::select("List1", "spaced"), act::click("Command6")});
    EXPECT_EQ(transcript.size(), 2u) << transcript.back(); // no message, no error
    EXPECT_EQ(attribute(page, "spaced", "onblur"),
              "first() ; second();" + statements("#FFFFFF", "#000000"));
    EXPECT_EQ(attribute(page, "spaced", "onfocus"), statements("#FFFFFF", "#000000"));
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
        EXPECT_EQ(attribute(*page, "a", "onfocus"), "doit();" + statements("#FF0000", "#0000FF"));
        EXPECT_EQ(attribute(*page, "a", "onblur"), "later();" + statements("#00FF00", "#123456"));
        EXPECT_EQ(page->element("a")->style().backgroundColor(), "#00FF00");
        EXPECT_EQ(page->element("a")->style().color(), "#123456");
    }));
    // A new colour rewrites all four statements; each stands after the field's own.
    actions.push_back(paint("picNormalText", "#654321"));
    actions.push_back(act::click("Command6"));
    actions.push_back(act::inspect([&] {
        EXPECT_EQ(attribute(*page, "a", "onblur"), "later();" + statements("#00FF00", "#654321"));
    }));

    // The key heeds case: a statement in other letters is no highlighting, and "-" leaves it;
    // "+" takes it away (removal ignores case) and writes its own.
    actions.push_back(act::select("List1", "upper"));
    actions.push_back(act::inspect([] { EXPECT_EQ(shown("txtHigh"), "OFF"); }));
    actions.push_back(act::click("Command7"));
    actions.push_back(act::inspect([&] {
        EXPECT_EQ(attribute(*page, "upper", "onfocus"), "STYLE.BACKGROUNDCOLOR='#FF0000';");
        EXPECT_EQ(attribute(*page, "upper", "onblur"), "x()");
    }));
    actions.push_back(act::click("Command6"));
    actions.push_back(act::inspect([&] {
        EXPECT_EQ(attribute(*page, "upper", "onfocus"), statements("#FF0000", "#0000FF"));
    }));

    // Only the copies of the first background statement go.
    actions.push_back(act::select("List1", "two"));
    actions.push_back(act::click("Command7"));
    actions.push_back(act::select("List1", "only"));
    actions.push_back(act::click("Command7"));
    page->run(dialog, actions);
    EXPECT_EQ(attribute(*page, "two", "onfocus"), "style.backgroundColor='#222222';");
    // Nothing left but an empty handler; the other declarations of the style stay.
    EXPECT_EQ(attribute(*page, "only", "onfocus"), "");
    EXPECT_EQ(attribute(*page, "only", "style"), "width: 5em");
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
            EXPECT_EQ(attribute(page, field, "onfocus"), value) << field;
        EXPECT_EQ(attribute(page, "own", "onblur"),
                  "done(this);" + statements("#00FF00", "#123456"));
        EXPECT_EQ(attribute(page, "story", "onblur"), statements("#FFFFFF", "#000000"));
        EXPECT_THAT(rows("List4"), ElementsAre("YES", "YES", "YES", "YES", "YES"));
        EXPECT_EQ(shown("List1"), "story");
        EXPECT_EQ(shown("txtHigh"), "ON");
    }));
    // Off for all: every background statement goes, every text colour stays.
    actions.push_back(act::click("Command7"));
    actions.push_back(act::click("Command25"));
    page.run(dialog, actions);
    for (const auto& field : fields) {
        EXPECT_EQ(attribute(page, field, "onfocus").find("backgroundColor"), std::string::npos)
            << field;
        EXPECT_THAT(attribute(page, field, "onfocus"), testing::EndsWith("style.color='#0000FF';"))
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

TEST(Highlighting, TheSavedPageShowsTheSameSwatchesAndStates) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    frmManFields dialog;
    std::vector<ui::Driver::Action> actions = paintAll("#FF8000", "#00FF00", "#0000FF", "#123456");
    actions.push_back(act::select("lstEffect", "Highlight Functions"));
    actions.push_back(act::click("Command6"));
    page.run(dialog, actions);
    page.save();
    page.reopen();
    page.placeCursor("plain");
    frmManFields again;
    page.run(again, {act::inspect([] {
                         EXPECT_THAT(rows("List4"), ElementsAre("YES", "NO", "YES", "NO", "NO"));
                         EXPECT_EQ(shown("txtHigh"), "ON");
                         const std::vector<std::pair<const char*, int32_t>> colours{
                             {"Picture1", 0x0080FF},
                             {"Picture2", 0x00FF00},
                             {"picHighlightText", 0xFF0000},
                             {"picNormalText", 0x563412}};
                         for (const auto& [name, value] : colours)
                             EXPECT_EQ(swatch(name).backColor(), value) << name;
                         EXPECT_EQ(swatch("Picture1").toolTipText(), "#FF8000");
                         EXPECT_EQ(swatch("picNormalText").toolTipText(), "#123456");
                     }),
                     act::select("List1", "own"),
                     act::inspect([] { EXPECT_EQ(shown("txtHigh"), "OFF"); })});
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
                EXPECT_EQ(attribute(page, field, name),
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

ui::Driver::Action pressKey(const std::string& control, int key) {
    return [control, key] { ui::Driver::instance().pressKey(control, -1, key); };
}

// Each colour button opens the Color Selector on its own swatch's colour; OK gives the swatch
// the colour chosen there, and a highlighted field gets all four statements again at once.
TEST(Highlighting, TheColourButtonsChooseEachSwatchsColourInTheColorSelector) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    frmManFields dialog;
    const std::string before = page.document()->serialize();
    auto choose = [](const char* button, const char* startsAt, const char* typed) {
        return std::vector<ui::Driver::Action>{
            act::click(button),
            act::inspect([startsAt] {
                EXPECT_EQ(ui::Driver::instance().topmostForm()->caption(), "Color Selector");
                EXPECT_EQ(shown("HTMLColor"), startsAt);
            }),
            act::set("HTMLColor", ""),
            act::type("HTMLColor", typed),
            pressKey("HTMLColor", 13),
            act::click("Command2")};
    };
    std::vector<ui::Driver::Action> actions{act::select("lstEffect", "Highlight Functions")};
    for (const auto& step :
         {choose("Command4", "#FFFFFF", "ff0000"), choose("Command5", "#FFFFFF", "00ff00"),
          choose("Command20", "#000000", "0000ff"), choose("Command23", "#000000", "123456")})
        actions.insert(actions.end(), step.begin(), step.end());
    actions.push_back(act::inspect([&] {
        const std::vector<std::tuple<const char*, const char*, int32_t>> swatches{
            {"Picture1", "#FF0000", 0x0000FF},
            {"Picture2", "#00FF00", 0x00FF00},
            {"picHighlightText", "#0000FF", 0xFF0000},
            {"picNormalText", "#123456", 0x563412}};
        for (const auto& [name, text, value] : swatches) {
            EXPECT_EQ(swatch(name).toolTipText(), text) << name;
            EXPECT_EQ(swatch(name).backColor(), value) << name;
        }
        // Highlighting is off: the page is as it was.
        EXPECT_EQ(page.document()->serialize(), before);
    }));
    // Cancel changes nothing.
    actions.push_back(act::click("Command4"));
    actions.push_back(act::set("HTMLColor", ""));
    actions.push_back(act::type("HTMLColor", "ABCDEF"));
    actions.push_back(pressKey("HTMLColor", 13));
    actions.push_back(act::click("Command7"));
    actions.push_back(act::inspect([] { EXPECT_EQ(swatch("Picture1").toolTipText(), "#FF0000"); }));
    // With highlighting on, a new colour rewrites the field's statements at once.
    actions.push_back(act::select("List1", "own"));
    actions.push_back(act::click("Command6"));
    for (const auto& action : choose("Command20", "#0000FF", "#abcdef"))
        actions.push_back(action);
    actions.push_back(act::inspect([&] {
        EXPECT_EQ(attribute(page, "own", "onfocus"),
                  R"(if(a&&b){x="<q>"};)" + statements("#FF0000", "#ABCDEF"));
        EXPECT_EQ(attribute(page, "own", "onblur"),
                  "done(this);" + statements("#00FF00", "#123456"));
    }));
    const auto transcript = page.run(dialog, actions);
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), "form shown: Color Selector"), 6);
    EXPECT_THAT(errorLines(transcript), testing::IsEmpty());
}

// A colour that a page holds is passed on to other fields by Apply To All: what would end its
// script string is escaped on the way, so the fields it reaches keep working.
TEST(Highlighting, AColourReadBackFromThePageIsWrittenAsAScriptString) {
    auto page = PageSession::fromBytes(
        "<form><input name=\"odd\" onfocus=\"style.backgroundColor='C:\\';style.color='#000000';\" "
        "onblur=\"style.backgroundColor='#FFFFFF';style.color='#000000';\">"
        "<input name=\"next\" onfocus=\"go();\"></form>");
    page->placeCursor("odd");
    frmManFields dialog;
    page->run(dialog, {act::inspect([] { EXPECT_EQ(swatch("Picture1").toolTipText(), "C:\\"); }),
                       act::select("lstEffect", "Highlight Functions"), act::click("Command25")});
    EXPECT_EQ(attribute(*page, "odd", "onfocus"), statements("C:\\\\", "#000000"));
    EXPECT_EQ(attribute(*page, "next", "onfocus"), "go();" + statements("C:\\\\", "#000000"));
    // Read back, the escaped text is the colour text again.
    page->placeCursor("next");
    frmManFields again;
    page->run(again, {act::select("List1", "next"),
                      act::inspect([] { EXPECT_EQ(swatch("Picture1").toolTipText(), "C:\\"); })});
}

} // namespace
