#include "PageSession.h"

#include "fieldmanager/frmManFields.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/Style.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using zirirur::frmManFields;

// How many script elements of the page carry that id.
int scriptsWithId(PageSession& page, const std::string& id) {
    int count = 0;
    auto scripts = page.document()->scripts();
    for (int i = 0; i < scripts.length(); ++i)
        if (scripts.item(i)->id() == id)
            ++count;
    return count;
}

const char* const MissingScript = "msgbox [Zirirur] critical: Script File Not Found.  Unable to "
                                  "process request.\\rPlease check your installation. -> OK";

// Each effect's "+" and "-" on a field without attributes: the statements written (one copy
// however often "+" is pressed), the script that goes with them, the label and the flag.
struct Effect {
    const char* frame;
    const char* on;
    const char* off;
    const char* label;
    const char* list;
    const char* script;
    const char* attribute;
    const char* statement;
    const char* onblur = nullptr; // the second statement of a pair
};

const std::vector<Effect> Effects{
    {"Text Functions", "Command12", "Command13", "txtUpperOnlyOn", "List8", "VQRTextFuncs",
     "onblur", "VQRMakeUpper(this);"},
    {"Text Functions", "Command11", "Command14", "txtLowerOnlyOn", "List9", "VQRTextFuncs",
     "onblur", "VQRMakeLower(this);"},
    {"Text Functions", "Command15", "Command16", "txtNumOnlyOn", "List7", "VQRTextFuncs", "onblur",
     "ZirirurNumberOnly(this);"},
    {"Text Functions", "Command17", "Command18", "txtCharLimitOn", "List6", "VQRTextFuncs",
     "onkeyup", "ZirirurTextCounter(this,50);"},
    {"Other Functions", "Command8", "Command9", "txtStatusOn", "List5", "VQRStatus", "onfocus",
     "ZirirurStatus('Hello');", "ZirirurStatus(' ');"},
    {"Other Functions", "Command21", "Command22", "lblLockOn", "List10", "", "onfocus",
     "this.blur();"},
    {"Basic Text Style", "Command27", "Command28", "lblBoldFont", "List11", "", "onfocus",
     "this.style.fontWeight='bold';", "this.style.fontWeight='normal';"},
};

TEST(EffectCommands, EachEffectWritesItsStatementsAndRemovesThem) {
    for (const Effect& effect : Effects) {
        SCOPED_TRACE(effect.on);
        PageSession page("fm-effects.htm");
        page.placeCursor("plain");
        frmManFields dialog;
        std::vector<ui::Driver::Action> actions{act::select("lstEffect", effect.frame)};
        if (std::string(effect.frame) == "Other Functions")
            actions.push_back(act::set("txtStatus", "Hello"));
        actions.push_back(act::click(effect.on));
        actions.push_back(act::click(effect.on));
        actions.push_back(act::inspect([&] {
            EXPECT_EQ(page.attribute("plain", effect.attribute), effect.statement);
            if (effect.onblur) {
                EXPECT_EQ(page.attribute("plain", "onblur"), effect.onblur);
            }
            EXPECT_EQ(shown(effect.label), "ON");
            EXPECT_EQ(rows(effect.list)[0], "YES");
            for (const char* id : {"VQRTextFuncs", "VQRStatus"})
                EXPECT_EQ(scriptsWithId(page, id), std::string(effect.script) == id ? 1 : 0);
        }));
        actions.push_back(act::click(effect.off));
        actions.push_back(act::inspect([&] {
            EXPECT_EQ(page.attribute("plain", effect.attribute), "");
            if (effect.onblur) {
                EXPECT_EQ(page.attribute("plain", "onblur"), "");
            }
            EXPECT_EQ(shown(effect.label), "OFF");
            EXPECT_EQ(rows(effect.list)[0], "NO");
        }));
        const auto transcript = page.run(dialog, actions);
        EXPECT_EQ(transcript.size(), 2u) << transcript.back(); // shown and closed, nothing else
    }
}

TEST(EffectCommands, CaseEffectsExcludeEachOtherAndSetReplacesTheArgument) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    frmManFields dialog;
    auto onblurIs = [&](const char* value) {
        return act::inspect(
            [&page, value] { EXPECT_EQ(page.attribute("plain", "onblur"), value); });
    };
    const auto transcript = page.run(
        dialog,
        {act::click("Command12"), act::click("Command15"),
         onblurIs("VQRMakeUpper(this);ZirirurNumberOnly(this);"),
         // Refused while upper case is on: nothing changes.
         act::click("Command11"), onblurIs("VQRMakeUpper(this);ZirirurNumberOnly(this);"),
         act::inspect([] { EXPECT_EQ(shown("txtLowerOnlyOn"), "OFF"); }), act::click("Command13"),
         act::click("Command11"), onblurIs("ZirirurNumberOnly(this);VQRMakeLower(this);"),
         act::click("Command12"), act::inspect([] { EXPECT_EQ(shown("txtUpperOnlyOn"), "OFF"); }),
         // "Set" writes the box's present text in place of the old argument.
         act::set("txtCharLimit", "20"), act::click("Command17"), act::set("txtCharLimit", "30"),
         act::click("Command19"), act::inspect([&] {
             EXPECT_EQ(page.attribute("plain", "onkeyup"), "ZirirurTextCounter(this,30);");
         }),
         act::select("lstEffect", "Other Functions"), act::set("txtStatus", "Hello"),
         act::click("Command8"), act::set("txtStatus", "it's me"), act::click("Command10"),
         act::inspect([&] {
             EXPECT_EQ(page.attribute("plain", "onfocus"), "ZirirurStatus('it\\x27s me');");
             EXPECT_EQ(scriptsWithId(page, "VQRStatus"), 1);
         }),
         act::select("lstEffect", "Basic Text Style"), act::set("lstFonts", "Impact"),
         act::click("Command24"),
         act::inspect([&] { EXPECT_EQ(page.element("plain")->style().fontFamily(), "Impact"); }),
         act::set("lstFonts", ""), act::click("Command24"),
         act::inspect([&] { EXPECT_EQ(page.element("plain")->style().fontFamily(), ""); })});
    EXPECT_THAT(transcript, testing::Contains("msgbox [Zirirur] information: Cannot set lower case "
                                              "if UPPER case set! -> OK"));
    EXPECT_THAT(transcript, testing::Contains("msgbox [Zirirur] information: Cannot set upper case "
                                              "if lower case set! -> OK"));
}

TEST(EffectCommands, AMissingScriptFileStopsTheCommand) {
    PageSession page("fm-effects.htm");
    page.removeScriptFile("vqrtext.fps");
    page.removeScriptFile("vqrstatus.fps");
    page.placeCursor("plain");
    frmManFields dialog;
    const std::string before = page.document()->serialize();
    const auto transcript = page.run(
        dialog, {act::click("Command12"), act::click("Command11"), act::click("Command15"),
                 act::click("Command17"), act::select("lstEffect", "Other Functions"),
                 act::set("txtStatus", "x"), act::click("Command8"), act::inspect([&] {
                     for (const char* label : {"txtUpperOnlyOn", "txtLowerOnlyOn", "txtNumOnlyOn",
                                               "txtCharLimitOn", "txtStatusOn"})
                         EXPECT_EQ(shown(label), "OFF") << label;
                     for (const char* list : {"List5", "List6", "List7", "List8", "List9"})
                         EXPECT_EQ(rows(list)[0], "NO") << list;
                 })});
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), MissingScript), 5);
    EXPECT_EQ(page.document()->serialize(), before);
}

TEST(EffectCommands, ApplyToAllGivesEveryFieldTheFamilyAndTheBoldState) {
    PageSession page("fm-effects.htm");
    page.placeCursor("plain");
    frmManFields dialog;
    const std::vector<std::string> fields{"plain", "own", "lit", "spaced", "story"};
    auto boldEverywhere = act::inspect([&] {
        for (const auto& field : fields) {
            const std::string onfocus = page.attribute(field, "onfocus");
            const std::string onblur = page.attribute(field, "onblur");
            EXPECT_THAT(onfocus, testing::EndsWith("this.style.fontWeight='bold';")) << field;
            EXPECT_THAT(onblur, testing::EndsWith("this.style.fontWeight='normal';")) << field;
            EXPECT_EQ(onfocus.find("fontWeight"), onfocus.rfind("fontWeight")) << field;
            EXPECT_EQ(page.element(field)->style().fontFamily(), "Georgia,courier") << field;
        }
        EXPECT_THAT(rows("List11"), ElementsAre("YES", "YES", "YES", "YES", "YES"));
        EXPECT_EQ(shown("List1"), "story");
        EXPECT_EQ(shown("lblBoldFont"), "ON");
    });
    page.run(
        dialog,
        {act::select("lstEffect", "Basic Text Style"), act::click("Command27"),
         act::set("lstFonts", "Georgia,courier"), act::click("Command26"), boldEverywhere,
         act::click("Command26"), boldEverywhere, act::click("Command28"),
         act::set("lstFonts", "Impact"), act::click("Command26"), act::inspect([&] {
             for (const auto& field : fields) {
                 EXPECT_EQ(page.attribute(field, "onfocus").find("fontWeight"), std::string::npos)
                     << field;
                 EXPECT_EQ(page.element(field)->style().fontFamily(), "Impact") << field;
             }
             EXPECT_THAT(rows("List11"), ElementsAre("NO", "NO", "NO", "NO", "NO"));
             EXPECT_EQ(shown("lblBoldFont"), "OFF");
             // The highlighting keeps its statements.
             EXPECT_EQ(page.attribute("lit", "onfocus"),
                       "style.backgroundColor='#FFFF00';style.color='#0000FF';");
         })});
}

TEST(EffectCommands, ThePagesOwnHandlersSurviveEveryEffectWhateverItsMarkupHolds) {
    // Fields whose own handlers a reader of the markup would miss or mistake.
    PageSession page("fm-roads.htm");
    page.placeCursor("k");
    const auto& fields = RoadFields;
    const auto& attributes = RoadAttributes;
    AttributeTable own = attributesOf(page, fields, attributes);
    ASSERT_EQ(own["k"]["onfocus"], "s='&amp;';t='&quot;';");

    frmManFields dialog;
    std::vector<ui::Driver::Action> actions;
    auto holds = [&](const std::string& field, const std::string& name, const std::string& added) {
        return act::inspect([&page, &own, field, name, added] {
            EXPECT_EQ(page.element(field)->getAttribute(name).value_or(""),
                      own[field][name] + added)
                << field << " " << name;
        });
    };
    for (const auto& field : fields) {
        actions.push_back(act::select("List1", field));
        for (const Effect& effect : Effects) {
            // Upper case on a field whose own handler calls it takes that call away, rightly.
            if (own[field]["onblur"].find("VQRMakeUpper") != std::string::npos &&
                std::string(effect.on) == "Command12")
                continue;
            actions.push_back(act::select("lstEffect", effect.frame));
            if (std::string(effect.frame) == "Other Functions")
                actions.push_back(act::set("txtStatus", "Hello"));
            // "-" on a field without the effect, "+", and "-" again.
            actions.push_back(act::click(effect.off));
            actions.push_back(holds(field, effect.attribute, ""));
            actions.push_back(act::click(effect.on));
            actions.push_back(holds(field, effect.attribute, effect.statement));
            if (effect.onblur)
                actions.push_back(holds(field, "onblur", effect.onblur));
            actions.push_back(act::click(effect.off));
            actions.push_back(holds(field, effect.attribute, ""));
            actions.push_back(holds(field, "onblur", ""));
        }
    }
    page.run(dialog, actions);

    page.save();
    page.reopen();
    for (const auto& field : fields)
        for (const auto& name : attributes)
            EXPECT_EQ(page.element(field)->getAttribute(name).value_or(""), own[field][name])
                << field << " " << name;
    EXPECT_EQ(page.element("story")->getProperty("Value"), "onblur=\"check()\" onfocus=\"x()\"");
    EXPECT_EQ(page.element("long")->getProperty("Value").size(), 33000u);
}

// Pages written before hold their status text as it was typed, apostrophes and all; a
// backslash there means what it means to the browser.
TEST(EffectCommands, AStatusTextWrittenUnescapedReadsAsItStandsAndIsRewrittenEscaped) {
    auto page = PageSession::fromBytes(
        "<form><input name=\"old\" onfocus=\"ZirirurStatus('it's C:\\temp\\u00e9');a();\" "
        "onblur=\"ZirirurStatus(' ');\"></form>");
    page->placeCursor("old");
    frmManFields dialog;
    page->run(dialog, {act::inspect([] { EXPECT_EQ(shown("txtStatus"), "it's C:\temp\u00e9"); }),
                       act::select("lstEffect", "Other Functions"), act::click("Command10")});
    EXPECT_EQ(page->attribute("old", "onfocus"), "a();ZirirurStatus('it\\x27s C:\\temp\u00e9');");
    EXPECT_EQ(page->attribute("old", "onblur"), "ZirirurStatus(' ');");
}

} // namespace
