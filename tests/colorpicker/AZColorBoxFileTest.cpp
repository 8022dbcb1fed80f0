#include "ColorBoxForm.h"

#include "colorpicker/HueTable.h"
#include "colorpicker/VadiduLibColor.h"
#include "platform/sys/App.h"
#include "platform/sys/RandomFile.h"
#include "tests/platform/editor/ScratchFolder.h"

#include <filesystem>

namespace {

using namespace colortest;
using ui::LeftButton;

// The custom palette file through the control's list: "Save Custom" and "Load Custom" ask for a
// file name in the installation folder (here a scratch folder).
class CustomPaletteFileTest : public uitest::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        sys::App::setPath(folder.windows());
        selector.form.show(ui::ShowMode::Modeless);
        driver().clearTranscript();
    }
    void TearDown() override {
        selector.form.unload();
        UiTest::TearDown();
    }
    // Saves the custom palette under the name the user types.
    void save(const std::string& typed) {
        driver().queueFileChoice(typed);
        driver().selectRow("DropPal", -1, "Save Custom");
    }
    void load(const std::string& typed) {
        driver().queueFileChoice(typed);
        driver().selectRow("DropPal", -1, "Load Custom");
    }
    // The record of one cell as the file holds it.
    static std::string record(int32_t color, int32_t hue, int32_t sat, int32_t lum) {
        std::string bytes;
        for (const int32_t value : {color, hue, sat, lum})
            sys::RandomFile::appendInt32(bytes, value);
        return bytes;
    }
    // The default custom palette: the named hues at full colour, then White.
    static std::string defaultPalette() {
        std::string bytes;
        for (const auto& named : zirirur::HueTable)
            bytes += record(zirirur::HSLToRGB({named.Hue, 240, 120}), named.Hue, 240, 120);
        return bytes + record(0xFFFFFF, 0, 0, 240);
    }

    zirirur::AZColorBox& box() { return *selector.box; }

    ScratchFolder folder;
    ColorBoxForm selector;
};

TEST_F(CustomPaletteFileTest, TheDefaultPaletteIs512BytesAsFixedAndNamesGetTheExtension) {
    save("pal");
    const std::string bytes = folder.read("pal.axp");
    ASSERT_EQ(bytes.size(), 512u);
    EXPECT_EQ(bytes.substr(0, 16), std::string("\xFF\0\0\0\0\0\0\0\xF0\0\0\0\x78\0\0\0", 16));
    EXPECT_EQ(bytes, defaultPalette());
    // The custom palette shows after a save, and the dialog said what it was asked.
    EXPECT_EQ(box().PalType(), "Custom");
    EXPECT_EQ(lines(), (Lines{"save [Save Palette As...]:  -> " + folder.windows("pal")}));

    save("PAL.AXP");
    save("dots.");
    save("pal.txt");
    for (const char* made : {"PAL.AXP.axp", "dots.axp", "pal.txt.axp"})
        EXPECT_EQ(folder.read(made), defaultPalette()) << made;
}

TEST_F(CustomPaletteFileTest, ASaveAndALoadRoundTripAndALongerFileKeepsItsTail) {
    box().AddHTMLToCustom("#123456", 0);
    box().AddHTMLToCustom("#FEDCBA", 30);
    const std::string tail(88, 'x');
    folder.write("long.axp", std::string(512, 'o') + tail);
    save("long.axp");
    const std::string saved = folder.read("long.axp");
    ASSERT_EQ(saved.size(), 600u);
    EXPECT_EQ(saved.substr(512), tail);
    EXPECT_EQ(saved.substr(0, 16),
              record(0x563412, zirirur::RGBToHSL(0x563412).Hue, zirirur::RGBToHSL(0x563412).Sat,
                     zirirur::RGBToHSL(0x563412).Lum));

    // A fresh control (on a form shown above) reads the first 32 records of the longer file
    // and writes them back alike.
    ColorBoxForm other;
    other.form.show(ui::ShowMode::Modeless);
    driver().queueFileChoice("long.axp");
    driver().selectRow("DropPal", -1, "Load Custom");
    EXPECT_EQ(other.pixel(mainCell(0)), "#123456");
    EXPECT_EQ(other.pixel(mainCell(30)), "#FEDCBA");
    EXPECT_EQ(other.box->PalType(), "Custom");
    ColorBoxForm::mouse("down", mainCell(0), LeftButton);
    EXPECT_EQ(other.box->ActiveText(), "Custom"); // names are not stored
    driver().queueFileChoice("again.axp");
    driver().selectRow("DropPal", -1, "Save Custom");
    EXPECT_EQ(folder.read("again.axp"), saved.substr(0, 512));
    other.form.unload();
}

TEST_F(CustomPaletteFileTest, BadFilesAreRefusedWholeWithAMessageAndCancelDoesNothing) {
    std::string outOfRange = defaultPalette();
    outOfRange.replace(16 * 5 + 4, 4, record(0, 2147483647, 0, 0).substr(4, 4)); // a hue
    std::string negative = defaultPalette();
    negative.replace(16 * 31 + 12, 4, record(0, 0, 0, -1).substr(12, 4)); // a luminance
    folder.write("short.axp", defaultPalette().substr(0, 500));
    folder.write("hue.axp", outOfRange);
    folder.write("lum.axp", negative);
    std::filesystem::create_directory(folder.path("folder.axp"));
    box().AddHTMLToCustom("#123456", 0);
    for (const char* bad : {"short.axp", "hue.axp", "lum.axp", "missing.axp", "folder.axp"}) {
        driver().clearTranscript();
        load(bad);
        EXPECT_EQ(lines(),
                  (Lines{"open [Load Palette...]: *.axp -> " + folder.windows(bad),
                         "msgbox [Zirirur] none: The custom palette could not be loaded. -> OK"}))
            << bad;
        EXPECT_EQ(selector.pixel(mainCell(0)), "#123456") << bad; // no cell changed
        EXPECT_EQ(selector.pixel(mainCell(5)), "#FFE000") << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path("missing.axp"))); // nothing made
    EXPECT_EQ(folder.read("short.axp").size(), 500u);

    // A save that cannot write says so; a cancelled dialog does and shows nothing.
    driver().clearTranscript();
    save("folder.axp");
    save(folder.windows("no such folder\\pal.axp"));
    driver().queueDialogCancel();
    driver().selectRow("DropPal", -1, "Save Custom");
    driver().selectRow("DropPal", -1, "Load Custom"); // nothing queued: cancelled too
    const std::string failed = "msgbox [Color Manager] critical: An Error Occured When "
                               "Attempting To Save The Current Custom Palette -> OK";
    EXPECT_EQ(lines(),
              (Lines{"save [Save Palette As...]:  -> " + folder.windows("folder.axp"), failed,
                     "save [Save Palette As...]:  -> " + folder.windows("no such folder\\pal.axp"),
                     failed, "save [Save Palette As...]:  -> (cancelled)",
                     "open [Load Palette...]: *.axp -> (cancelled)"}));
    EXPECT_EQ(box().PalType(), "Custom"); // shown whether or not the dialog was cancelled
    EXPECT_EQ(selector.pixel(mainCell(0)), "#123456");
}

} // namespace
