#include "ColorBoxForm.h"
#include "PageSession.h"

#include "addin/ProjectGlobals.h"
#include "colorpicker/ColorSel.h"
#include "platform/ui/PictureBox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

using colortest::html;
using colortest::mainCell;
using zirirur::ColorSel;

// The caller's side, as the Form Fields Manager opens the selector: a swatch whose colour text
// starts the selector, and a button that points ColorTarget at the swatch and shows it.
struct Opener {
    ui::PictureBox* swatch = nullptr;
    uitest::TestForm form{"Opener", "Opener", [this](uitest::TestForm& f) {
                              swatch = f.make<ui::PictureBox>("Swatch");
                              swatch->setBackColor(0x996633);
                              swatch->setToolTipText("#336699");
                              f.make<ui::CommandButton>("Choose")->onClick = [this] {
                                  ColorSel::ChooseFor(swatch);
                              };
                          }};
};

ui::Driver::Action mouse(const std::string& what, colortest::FacePoint at) {
    return [what, at] {
        ui::Driver::instance().mouse(what, "ColorBox", -1, at.x, at.y, ui::LeftButton);
    };
}

ui::Driver::Action expectSwatch(Opener& opener, int32_t color, const std::string& text) {
    return act::inspect([&opener, color, text] {
        EXPECT_EQ(opener.swatch->backColor(), color);
        EXPECT_EQ(opener.swatch->toolTipText(), text);
    });
}

// The colour a main cell of the control shows, read from its face.
std::string cellShown(int cell) {
    return colortest::ColorBoxForm::pixel(mainCell(cell));
}

class ColorSelTest : public ::testing::Test {
protected:
    void TearDown() override {
        ColorSel::releaseInstance();
        zirirur::ColorTarget = nullptr;
    }
    std::unique_ptr<PageSession> page = PageSession::fromBytes("<p>No colours</p>");
    Opener opener;
};

TEST_F(ColorSelTest, OkAndADoubleClickHandBackTheActiveColourTheCloseBoxDoesNot) {
    const auto transcript = page->run(
        opener.form,
        {act::click("Choose"),
         // The hover loop runs from the focus in the control until OK unloads the selector.
         [] { ui::Driver::instance().focus("ColorBox", -1); },
         [] { ui::Driver::instance().wait(1000); }, act::inspect([] {
             expectShown({{"HTMLColor", "#336699"}});
         }),
         // OK at once: exactly the colour it was opened with, not the nearest cell.
         act::click("Command2"), expectSwatch(opener, 0x996633, "#336699"),
         // Pressing a cell shows its colour; the close box hands nothing back.
         act::click("Choose"), mouse("down", mainCell(0)), mouse("up", mainCell(0)),
         act::inspect([] { EXPECT_EQ(shown("HTMLColor"), "#FF0000"); }),
         [] { ui::Driver::instance().closeTopmost(); }, expectSwatch(opener, 0x996633, "#336699"),
         // A double click on a cell hands it back at once.
         act::click("Choose"), mouse("move", mainCell(21)), mouse("dblclick", mainCell(21)),
         expectSwatch(opener, 0xFF0000, "#0000FF")});
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), "form shown: Color Selector"), 3);
    EXPECT_THAT(errorLines(transcript), testing::IsEmpty());
}

TEST_F(ColorSelTest, ATypedColourTextIsAppliedOnEnterByItsRules) {
    struct Typed {
        const char* text;
        const char* shows; // after Enter
    };
    const std::vector<Typed> cases{
        {"ff0000", "#FF0000"},  {"#ff0000", "#FF0000"},
        {"#00ff00", "#00FF00"}, {"#fff", "#FFF"}, // still holds "#": ignored
        {"fff", "#000000"},                       // too short: black
        {"gg0000", "#000000"},                    // letters beyond F count as 0
        {"12 34!", "12 34!"},                     // not letters and digits: ignored
        {"#1a2b3c4", "#A2B3C4"}                   // the last six
    };
    std::vector<ui::Driver::Action> actions{act::click("Choose")};
    for (const Typed& typed : cases) {
        actions.push_back(act::set("HTMLColor", ""));
        actions.push_back(act::type("HTMLColor", typed.text));
        actions.push_back(act::key("HTMLColor", 13));
        actions.push_back(act::inspect([&typed] { EXPECT_EQ(shown("HTMLColor"), typed.shows); }));
    }
    // An empty box and Enter change nothing: OK hands back the last applied colour.
    actions.push_back(act::set("HTMLColor", ""));
    actions.push_back(act::key("HTMLColor", 13));
    actions.push_back(act::click("Command2"));
    actions.push_back(expectSwatch(opener, 0xC4B3A2, "#A2B3C4"));
    page->run(opener.form, actions);
}

TEST_F(ColorSelTest, ThePagesColoursFillTheFirst24CustomCellsSortedWithoutRepeats) {
    // Thirty colours, written in reverse order, each twice; an anchor to #top; lower- and
    // upper-case spellings of one colour; a body whose last "#" is its text colour.
    std::string body = "<body bgcolor=\"#FFFFFF\" text=\"#000001\"><a href=\"#top\">top</a>"
                       "<p style=\"color:#ff0000\">a</p><p style=\"color:#FF0000\">b</p>";
    std::vector<std::string> colours;
    for (int i = 0; i < 30; ++i) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02X%02X%02X", 0x10 + i, 0x20, 0x30 + i);
        colours.push_back(colour);
    }
    for (auto it = colours.rbegin(); it != colours.rend(); ++it)
        body += "<font color=\"" + *it + "\">x</font><font color=\"" + *it + "\">y</font>";
    page.reset(); // one page open at a time
    page = PageSession::fromBytes("<html><head><title>c</title></head>" + body + "</body></html>");

    // Sorted without regard to case: #000001, #102030 ... #2D204D, #FF0000, #ff0000, #top">.
    std::vector<std::string> expected{"#000001"};
    expected.insert(expected.end(), colours.begin(), colours.begin() + 23);
    std::string cell24;
    std::vector<ui::Driver::Action> actions{act::click("Choose"),
                                            act::select("DropPal", "Custom"),
                                            act::inspect([&] { cell24 = cellShown(24); }),
                                            act::click("Command7"),
                                            act::click("Choose"),
                                            act::click("btDocColors")};
    actions.push_back(act::inspect([&] {
        for (int i = 0; i < 24; ++i)
            EXPECT_EQ(cellShown(i), expected[size_t(i)]) << i;
        // The cells past the page's colours keep theirs.
        EXPECT_EQ(cellShown(24), cell24);
        EXPECT_EQ(shown("DropPal"), "Custom");
    }));
    // A custom cell is chosen as any other.
    actions.push_back(mouse("down", mainCell(5)));
    actions.push_back(mouse("up", mainCell(5)));
    actions.push_back(act::click("Command2"));
    actions.push_back(expectSwatch(opener, 0x342014, "#142034"));
    // A new showing starts from the control's own start-up state.
    actions.push_back(act::click("Choose"));
    actions.push_back(act::inspect([] {
        EXPECT_EQ(cellShown(0), "#FF0000");
        EXPECT_EQ(shown("DropPal"), "Normal");
    }));
    actions.push_back(act::click("Command7"));
    page->run(opener.form, actions);

    // A page without any "#" in its tags leaves the palette as it was.
    page.reset();
    page = PageSession::fromBytes("<p>plain</p>");
    page->run(opener.form, {act::click("Choose"), act::click("btDocColors"), act::inspect([] {
                                EXPECT_EQ(shown("DropPal"), "Normal");
                                EXPECT_EQ(cellShown(0), "#FF0000");
                            })});
}

TEST_F(ColorSelTest, WithoutATargetOkOnlyCloses) {
    page->run(opener.form,
              {act::click("Choose"), act::inspect([] { zirirur::ColorTarget = nullptr; }),
               act::click("Command2"),
               act::inspect([] { EXPECT_FALSE(ColorSel::instance().isLoaded()); })});
}

} // namespace
