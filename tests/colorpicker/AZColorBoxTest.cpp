#include "ColorBoxForm.h"

#include "colorpicker/VadiduLibColor.h"
#include "platform/ui/ComboBox.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <array>

namespace {

using namespace colortest;
using ui::LeftButton;
using ui::NoButton;
using zirirur::HSLColor;
using zirirur::HSLToRGB;

class AZColorBoxTest : public uitest::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        selector.form.show(ui::ShowMode::Modeless);
        driver().clearTranscript();
    }
    void TearDown() override {
        selector.form.unload();
        UiTest::TearDown();
    }
    zirirur::AZColorBox& box() { return *selector.box; }
    ColorBoxForm selector;
};

// The 32 cells of the Normal main grid with the colours they must show.
constexpr std::array<const char*, 32> NormalColours = {
    "#FF0000", "#FF4D00", "#FF8000", "#FFA000", "#FFC000", "#FFE000", "#FFED00", "#FFFF00",
    "#00FFC0", "#00FF80", "#00FF40", "#00FF00", "#40FF00", "#80FF00", "#C0FF00", "#E0FF00",
    "#00FFFF", "#00E0FF", "#00C0FF", "#0080FF", "#0040FF", "#0000FF", "#4000FF", "#8000FF",
    "#FF0040", "#FF0080", "#FF00C0", "#FF00FF", "#E000FF", "#C000FF", "#A000FF", "#FFFFFF"};

constexpr std::array<int, 6> ShadeSats = {240, 200, 160, 120, 80, 40};
constexpr std::array<int, 8> HueLums = {225, 210, 180, 120, 105, 90, 60, 40};
constexpr std::array<int, 8> GreyLums = {240, 210, 180, 150, 120, 90, 60, 30};

TEST_F(AZColorBoxTest, TheFaceShowsTheNamedHuesWhiteAndTheGreysCellByCell) {
    const gfx::Surface face = selector.face();
    ASSERT_EQ(face.width(), 139);
    ASSERT_EQ(face.height(), 157);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(html(face.pixel(mainCell(i).x, mainCell(i).y)), NormalColours[size_t(i)]) << i;
    // A fresh control shows the grey shades: luminance falls down the rows and, 5 at a time,
    // across the columns; the last cell is black.
    for (int k = 0; k < 48; ++k) {
        const int lum = k == 47 ? 0 : GreyLums[size_t(k % 8)] - 5 * (k / 8);
        EXPECT_EQ(face.pixel(shadeCell(k).x, shadeCell(k).y), uint32_t(HSLToRGB({0, 0, lum}))) << k;
    }
    // Cells are outlined in the button face, on the panel's light grey; the gap between the
    // grids holds the etched line, dark then light.
    EXPECT_EQ(html(face.pixel(8, 16 + 8)), "#C0C0C0");
    EXPECT_EQ(html(face.pixel(57, 16 + 50)), "#808080");
    EXPECT_EQ(html(face.pixel(58, 16 + 50)), "#FFFFFF");
    EXPECT_EQ(html(face.pixel(57, 16 + 104)), "#C0C0C0"); // it ends 38 above the panel's bottom
    // The sunken edge and the band of the active colour, black while none is chosen.
    EXPECT_EQ(html(face.pixel(0, 0)), "#808080");
    EXPECT_EQ(html(face.pixel(70, 10)), "#000000");
    EXPECT_EQ(html(face.pixel(138, 10)), "#FFFFFF"); // beyond the band: the edge's light side
    EXPECT_EQ(box().Text(), "Black");
    EXPECT_EQ(box().HTMLColor(), "#000000");
}

TEST_F(AZColorBoxTest, PressingACellMakesItActiveShowsItsShadesAndReleasingSelectsIt) {
    ColorBoxForm::mouse("move", mainCell(0), NoButton);
    ColorBoxForm::mouse("click", mainCell(0), LeftButton);
    EXPECT_EQ(box().ActiveColor(), 255);
    EXPECT_EQ(box().ActiveText(), "Red");
    EXPECT_EQ(box().SelectedColor(), 255);
    EXPECT_EQ(box().Text(), "Red");
    EXPECT_EQ(box().HTMLColor(), "#FF0000");
    // Change on the press, Click from the new selection on the release, Click again from the
    // click over a cell.
    EXPECT_EQ(selector.events, (Lines{"Change #FF0000 Red", "Click Red", "Click Red"}));

    const gfx::Surface face = selector.face();
    EXPECT_EQ(html(face.pixel(70, 10)), "#FF0000"); // the band
    for (int k = 0; k < 48; ++k) {
        const HSLColor shade{0, ShadeSats[size_t(k / 8)], HueLums[size_t(k % 8)]};
        EXPECT_EQ(face.pixel(shadeCell(k).x, shadeCell(k).y), uint32_t(HSLToRGB(shade))) << k;
    }
    EXPECT_EQ(html(face.pixel(shadeCell(3).x, shadeCell(3).y)), "#FF0000");
    // A sunken frame around the pressed cell: dark top and left, light bottom and right.
    EXPECT_EQ(html(face.pixel(8, 16 + 12)), "#808080");
    EXPECT_EQ(html(face.pixel(12, 16 + 8)), "#808080");
    EXPECT_EQ(html(face.pixel(18, 16 + 12)), "#FFFFFF");
    EXPECT_EQ(html(face.pixel(12, 16 + 18)), "#FFFFFF");

    // The shade cells are named after the row and the base.
    selector.events.clear();
    ColorBoxForm::mouse("down", shadeCell(0), LeftButton);
    ColorBoxForm::mouse("up", shadeCell(0), LeftButton);
    ColorBoxForm::mouse("down", shadeCell(47), LeftButton);
    ColorBoxForm::mouse("down", shadeCell(47), LeftButton); // already active: no Change
    EXPECT_EQ(selector.events,
              (Lines{"Change #FFE0E0 Faint Red", "Click Faint Red", "Change #322323 Pitch Red"}));
}

TEST_F(AZColorBoxTest, DraggingWithTheButtonHeldMakesEachCellActiveAndTheReleaseSelects) {
    ColorBoxForm::mouse("down", mainCell(0), LeftButton);
    ColorBoxForm::mouse("move", mainCell(1), LeftButton);
    ColorBoxForm::mouse("move", {mainCell(1).x, mainCell(1).y + 6}, LeftButton); // a gap
    ColorBoxForm::mouse("move", mainCell(2), LeftButton);
    ColorBoxForm::mouse("up", mainCell(2), LeftButton);
    EXPECT_EQ(selector.events, (Lines{"Change #FF0000 Red", "Change #FF4D00 Copper",
                                      "Change #FF8000 Orange", "Click Orange"}));
    EXPECT_EQ(box().Text(), "Orange");
    EXPECT_EQ(selector.pixel(shadeCell(3)), "#FF8000"); // Orange's shades

    // Released outside the panel (dragged up onto the band), or on a gap: nothing is selected.
    selector.events.clear();
    ColorBoxForm::mouse("down", mainCell(21), LeftButton);
    ColorBoxForm::mouse("up", {70, 10}, LeftButton);
    ColorBoxForm::mouse("down", mainCell(22), LeftButton);
    ColorBoxForm::mouse("up", {mainCell(22).x + 6, mainCell(22).y}, LeftButton);
    EXPECT_EQ(selector.events, (Lines{"Change #0000FF Blue", "Change #4000FF Indigo"}));
    EXPECT_EQ(box().Text(), "Orange");
    EXPECT_EQ(box().ActiveText(), "Indigo");
    EXPECT_EQ(selector.pixel({70, 10}), "#4000FF");
}

TEST_F(AZColorBoxTest, MovingWithoutAButtonFramesTheCellUnderThePointerOnly) {
    ColorBoxForm::mouse("move", mainCell(0), NoButton);
    ColorBoxForm::mouse("move", mainCell(9), NoButton);
    const gfx::Surface face = selector.face();
    // Raised around Jade (light top-left, dark bottom-right); Red's frame is gone.
    EXPECT_EQ(html(face.pixel(20, 16 + 24)), "#FFFFFF");
    EXPECT_EQ(html(face.pixel(30, 16 + 24)), "#808080");
    EXPECT_EQ(html(face.pixel(8, 16 + 12)), "#C0C0C0");
    EXPECT_EQ(html(face.pixel(18, 16 + 12)), "#C0C0C0");
    EXPECT_TRUE(selector.events.empty());
    EXPECT_EQ(box().ActiveColor(), 0);

    // A click over a gap raises no Click; a double click over a cell raises DblClick.
    ColorBoxForm::mouse("move", {mainCell(9).x + 6, mainCell(9).y}, NoButton);
    ColorBoxForm::mouse("click", {mainCell(9).x + 6, mainCell(9).y}, LeftButton);
    EXPECT_TRUE(selector.events.empty());
    ColorBoxForm::mouse("move", mainCell(31), NoButton);
    ColorBoxForm::mouse("dblclick", mainCell(31), LeftButton);
    EXPECT_EQ(selector.events,
              (Lines{"Change #FFFFFF White", "Click White", "Click White", "DblClick"}));
}

TEST_F(AZColorBoxTest, ARestingPointerPreviewsTheShadesWhileTheFocusIsInside) {
    const FacePoint blue = mainCell(21);
    const FacePoint faintShade = shadeCell(0);
    const std::string faintBlue = html(uint32_t(HSLToRGB({160, 240, 225})));
    const std::string grey = html(uint32_t(HSLToRGB({0, 0, 240})));
    Lines seen;
    auto& d = driver();
    auto note = [&](const std::string& when) {
        seen.push_back(when + " " + selector.pixel(faintShade));
    };
    uitest::script({
        [&] { d.focus("ColorBox", -1); }, // the hover timer's loop runs from here
        [&] { d.wait(100); },
        [&] { ColorBoxForm::mouse("move", blue, NoButton); },
        [&] { d.wait(699); }, // the tick at 400 only notes the move
        [&] { note("rest 699"); },
        [&] { d.wait(1); }, // the tick at 800 finds the pointer resting
        [&] { note("rest 700"); },
        [&] { ColorBoxForm::mouse("move", mainCell(0), NoButton); },
        [&] { d.wait(350); }, // moved on before the next tick: Red is not previewed
        [&] { note("moved"); },
        [&] { d.focus("picPopup", -1); }, // within the control: the timer goes on
        [&] { d.wait(450); },             // the tick at 1200 notes the move, 1600 shows
        [&] { note("panel focused"); },
        [&] { d.focus("HTMLColor", -1); }, // the focus leaves: the timer stops
        [&] { ColorBoxForm::mouse("move", mainCell(8), NoButton); },
        [&] { d.wait(2000); },
        [&] { note("outside"); },
        [&] { d.click("Command2"); },
    });
    selector.form.hide();
    selector.form.show();
    EXPECT_EQ(seen, (Lines{"rest 699 " + grey, "rest 700 " + faintBlue, "moved " + faintBlue,
                           "panel focused " + html(uint32_t(HSLToRGB({0, 240, 225}))),
                           "outside " + html(uint32_t(HSLToRGB({0, 240, 225})))}));
    EXPECT_TRUE(selector.events.empty()); // the preview changes neither colour
}

TEST_F(AZColorBoxTest, TheFaceRaisesPopupOrDblClickAndSpaceClicksIt) {
    auto& d = driver();
    d.click("ColorBox");
    d.pressKey("ColorBox", -1, 32);
    EXPECT_TRUE(selector.events.empty()); // PopupEnabled: the panel is all there is
    box().setPopupEnabled(false);
    d.click("ColorBox");
    d.pressKey("ColorBox", -1, 32);
    d.pressKey("ColorBox", -1, 13);
    ColorBoxForm::mouse("click", {70, 10}, LeftButton);
    d.dblClick("ColorBox", -1, -1);
    EXPECT_EQ(selector.events, (Lines{"Popup", "Popup", "Popup", "DblClick"}));
    EXPECT_EQ(box().changedProperties(), (Lines{"PopupEnabled"}));
}

TEST_F(AZColorBoxTest, HTMLColorSetsTheExactColourQuietlyAndSelectedColorTheNearestCell) {
    box().clearChangedProperties();
    box().setHTMLColor("#FF0000");
    EXPECT_EQ(box().ActiveColor(), 255);
    EXPECT_EQ(box().SelectedColor(), 255);
    EXPECT_EQ(box().ActiveText(), "Custom");
    EXPECT_EQ(box().Text(), "Custom");
    EXPECT_EQ(box().HTMLColor(), "#FF0000");
    EXPECT_TRUE(selector.events.empty());
    EXPECT_EQ(box().changedProperties(), (Lines{"HTMLColor", "SelectedColor"}));
    EXPECT_EQ(selector.pixel({70, 10}), "#FF0000");
    EXPECT_EQ(selector.pixel(shadeCell(0)), html(uint32_t(HSLToRGB({0, 240, 225}))));

    box().setHTMLColor("0A00FF");
    EXPECT_EQ(box().HTMLColor(), "#0A00FF"); // exactly, not a cell's colour; each pair padded
    box().setHTMLColor("ff0000");            // lower-case digits count as 0
    EXPECT_EQ(box().HTMLColor(), "#000000");
    EXPECT_EQ(box().WhatRGB("#ABCDE"), 0xDEBC0A);
    EXPECT_EQ(box().WhatRGB("AABBCCDD"), 0xDDBBAA);
    EXPECT_EQ(box().WhatRGB("#FFF"), 0);

    box().clearChangedProperties();
    box().setSelectedColor(255);
    box().setSelectedColor(255);
    EXPECT_EQ(box().Text(), "Red");
    EXPECT_EQ(selector.events, (Lines{"Click Red"}));
    EXPECT_EQ(box().changedProperties(), (Lines{"SelectedColor", "Text"}));
    // The nearest cell, the shades included: red 1 lies nearest Pitch Red.
    box().setSelectedColor(1);
    EXPECT_EQ(box().Text(), "Pitch Red");
    EXPECT_EQ(box().SelectedColor(), HSLToRGB({0, 240, 40}));
    // Hue distance does not wrap round: hue 236 is nearer Crimson (230) than Red (0).
    box().setSelectedColor(0x1A00FF);
    EXPECT_EQ(box().Text(), "Crimson");
}

TEST_F(AZColorBoxTest, PalettesSwitchThroughSetPalTheListAndAddHTMLToCustom) {
    EXPECT_FALSE(box().SetPal("normal"));
    EXPECT_EQ(box().PalType(), "Normal");
    const auto windows = box().SetPal("Windows");
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->size(), 31u);
    EXPECT_EQ(windows->at(1), 12);
    EXPECT_EQ(windows->at(30), 185);
    EXPECT_EQ(box().PalType(), "Normal");

    box().AddHTMLToCustom("#123456", 0);
    EXPECT_EQ(selector.pixel(mainCell(0)), "#FF0000"); // shown only with the custom palette
    EXPECT_EQ(errorNumberOf([&] { box().AddHTMLToCustom("#ABCDEF", 32); }), 9);
    box().setPalType("Custom"); // stored only
    EXPECT_EQ(selector.pixel(mainCell(0)), "#FF0000");
    ASSERT_TRUE(box().SetPal("Custom"));
    EXPECT_EQ(selector.pixel(mainCell(0)), "#123456");
    EXPECT_EQ(selector.pixel(mainCell(31)), "#FFFFFF");
    auto& d = driver();
    EXPECT_EQ(d.control("DropPal").describe(),
              "DropPal combo: \"Custom\" [\"Normal\", *\"Custom\", \"Load Custom\", \"Save "
              "Custom\"]");
    ColorBoxForm::mouse("down", mainCell(1), LeftButton);
    EXPECT_EQ(box().ActiveText(), "Custom");

    // While the custom palette shows, a new custom colour shows at once.
    box().AddHTMLToCustom("#00FF00", 2);
    EXPECT_EQ(selector.pixel(mainCell(2)), "#00FF00");
    d.selectRow("DropPal", -1, "Normal");
    EXPECT_EQ(box().PalType(), "Normal");
    EXPECT_EQ(selector.pixel(mainCell(0)), "#FF0000");

    // A palette type without cells of its own leaves the main grid as it was, all 32 cells.
    box().setPalType("Windows");
    box().setPalette(5);
    ColorBoxForm::mouse("down", mainCell(31), LeftButton);
    EXPECT_EQ(box().ActiveText(), "White");
    EXPECT_EQ(selector.pixel(mainCell(0)), "#FF0000");
}

TEST_F(AZColorBoxTest, MoreColorsSetsBothColoursAndInTheCustomPaletteThePressedCell) {
    auto& d = driver();
    ColorBoxForm::mouse("down", mainCell(21), LeftButton);
    ColorBoxForm::mouse("up", mainCell(21), LeftButton);
    selector.events.clear();
    d.queueColour(0x00FF00);
    d.click("MorePal");
    EXPECT_EQ(box().SelectedColor(), 65280);
    EXPECT_EQ(box().ActiveColor(), 65280);
    EXPECT_EQ(box().Text(), "Blue"); // the names stay
    EXPECT_EQ(selector.events, (Lines{"Change #00FF00 Blue"}));
    EXPECT_EQ(selector.pixel({70, 10}), "#00FF00");

    // Cancelled: nothing changes, nothing is raised.
    d.click("MorePal");
    EXPECT_EQ(box().ActiveColor(), 65280);
    EXPECT_EQ(selector.events.size(), 1u);

    d.selectRow("DropPal", -1, "Custom");
    ColorBoxForm::mouse("down", mainCell(5), LeftButton);
    d.queueColour(0x996633);
    d.click("MorePal");
    EXPECT_EQ(selector.pixel(mainCell(5)), "#336699");
    EXPECT_EQ(box().SetPal("Custom")->at(5), zirirur::RGBToHSL(0x996633).Hue);
    EXPECT_EQ(lines(), (Lines{"color: #000000 -> #00FF00", "color: #00FF00 -> (cancelled)",
                              "color: #00FF00 -> #336699"}));

    // A press on White or on a shade leaves the cell that "More Colors..." fills as it was.
    ColorBoxForm::mouse("down", mainCell(31), LeftButton);
    ColorBoxForm::mouse("down", shadeCell(10), LeftButton);
    d.queueColour(0x0000FF);
    d.click("MorePal");
    EXPECT_EQ(selector.pixel(mainCell(5)), "#FF0000");
}

TEST_F(AZColorBoxTest, PropertiesAreStoredWithoutTheirDefaultsAndReadBack) {
    ui::PropertyBag fresh;
    box().writeProperties(fresh);
    // A fresh control stores its font, its surface's colours (they are not the stored
    // defaults) and the empty selection text; the rest are defaults.
    EXPECT_EQ(std::get<std::string>(fresh.readProperty("HTMLColor", 0)), "");
    EXPECT_FALSE(fresh.contains("Palette"));
    EXPECT_FALSE(fresh.contains("PopupEnabled"));
    EXPECT_FALSE(fresh.contains("PalType"));
    EXPECT_FALSE(fresh.contains("SelectedColor"));

    box().setSelectedColor(255);
    box().setHTMLColor("#336699"); // the stored text stays that of the last selection change
    box().setPalette(3);           // the selection becomes the nearest cell
    box().setPopupEnabled(false);
    box().setPalType("Custom");
    box().setBackColor(0x80000005);
    ui::PropertyBag bag;
    box().writeProperties(bag);
    EXPECT_EQ(std::get<std::string>(bag.readProperty("HTMLColor", 0)), "#FF0000");
    EXPECT_EQ(box().Text(), "Deep Azure");
    EXPECT_EQ(std::get<int32_t>(bag.readProperty("SelectedColor", 0)), box().SelectedColor());
    EXPECT_FALSE(bag.contains("BackColor"));

    ColorBoxForm other;
    other.form.load();
    zirirur::AZColorBox& back = *other.box;
    back.clearChangedProperties();
    back.readProperties(bag);
    EXPECT_EQ(back.Palette(), 3);
    EXPECT_FALSE(back.PopupEnabled());
    EXPECT_EQ(back.PalType(), "Custom");
    EXPECT_EQ(back.backColor(), int32_t(0x80000005));
    EXPECT_EQ(back.SelectedColor(), box().SelectedColor());
    EXPECT_EQ(back.Text(), "Deep Custom"); // the custom palette's cells are named so
    EXPECT_EQ(back.ActiveColor(), 0);      // the active colour is not kept
    EXPECT_EQ(back.HTMLColor(), "#000000");
    EXPECT_EQ(back.changedProperties(), (Lines{"Font"}));
    EXPECT_EQ(dynamic_cast<ui::ComboBox&>(*back.part("DropPal")).text(), "Normal");

    // A value of the wrong kind is a damaged store.
    ui::PropertyBag damaged;
    damaged.writeProperty("Palette", std::string("eleven"), 11);
    EXPECT_EQ(errorNumberOf([&] { back.readProperties(damaged); }), 13);
    other.form.unload();
}

TEST_F(AZColorBoxTest, TheControlKeepsItsSizeAndMarksWhatItsPropertiesChange) {
    box().move(0, 0, 3000, 1000);
    EXPECT_EQ(box().width(), 2085);
    EXPECT_EQ(box().height(), 2355);
    box().clearChangedProperties();
    box().setForeColor(0x0000FF);
    box().setEnabled(false);
    ui::Font big;
    big.size = 12;
    box().setFont(big);
    box().setPalette(11);
    EXPECT_EQ(box().changedProperties(), (Lines{"ForeColor", "Enabled", "Font", "Palette"}));
    EXPECT_EQ(box().font(), big);
    EXPECT_EQ(box().width(), 2085);
}

} // namespace
