#include "platform/gfx/Surface.h"
#include "platform/gfx/Color.h"
#include "platform/sys/Error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        m_path = fs::temp_directory_path() /
                 ("zr_gfx_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

int raisedNumber(const std::function<void()>& call) {
    try {
        call();
    } catch (const sys::Error& error) {
        return error.number();
    }
    return 0;
}

TEST(Color, SystemColoursResolveToTheClassicSchemeAndPlainValuesLoseTheTopByte) {
    EXPECT_EQ(gfx::resolveColor(gfx::ButtonFace), 0xC0C0C0u);
    EXPECT_EQ(gfx::resolveColor(gfx::ButtonShadow), 0x808080u);
    EXPECT_EQ(gfx::resolveColor(gfx::ButtonHighlight), 0xFFFFFFu);
    EXPECT_EQ(gfx::resolveColor(gfx::WindowBackground), 0xFFFFFFu);
    EXPECT_EQ(gfx::resolveColor(gfx::ButtonText), 0u);
    EXPECT_EQ(gfx::resolveColor(0x7F123456), 0x123456u);
    EXPECT_EQ(gfx::rgb(255, 128, 0), 0x0080FF);
    EXPECT_EQ(gfx::redOf(0x0080FF), 255);
    EXPECT_EQ(gfx::greenOf(0x0080FF), 128);
    EXPECT_EQ(gfx::blueOf(0x0080FF), 0);
}

TEST(Surface, BoxesOutlineAndFillAsAskedAndDrawingOffTheSurfaceIsClipped) {
    gfx::Surface surface(10, 8, 0xFFFFFF);
    surface.setFillStyle(gfx::FillStyle::Solid);
    surface.setFillColor(0x0000FF);
    surface.box(1, 1, 4, 4, gfx::ButtonFace);
    EXPECT_EQ(surface.pixel(1, 1), 0xC0C0C0u); // both corners belong to the box
    EXPECT_EQ(surface.pixel(4, 4), 0xC0C0C0u);
    EXPECT_EQ(surface.pixel(2, 3), 0x0000FFu);
    EXPECT_EQ(surface.pixel(5, 5), 0xFFFFFFu);

    surface.setFillStyle(gfx::FillStyle::Transparent);
    surface.box(6, 1, 8, 3, 0x00FF00);
    EXPECT_EQ(surface.pixel(7, 2), 0xFFFFFFu); // no fill

    surface.filledBox(3, 6, 12, 20, 0x123456); // runs off the right and bottom edges
    EXPECT_EQ(surface.pixel(9, 7), 0x123456u);
    surface.line(-5, -5, 20, 20, 0);
    surface.setPixel(-1, 3, 0);
    EXPECT_EQ(surface.pixel(-1, 3), 0u);
    EXPECT_EQ(surface.pixel(0, 0), 0u);

    surface.resize(3, 2, gfx::ButtonShadow);
    EXPECT_EQ(surface.width(), 3);
    EXPECT_EQ(surface.pixels().size(), 6u);
    EXPECT_EQ(surface.pixel(2, 1), 0x808080u);
}

TEST(Surface, PngExportReadsBackTheSamePixels) {
    TempFolder folder;
    gfx::Surface surface(7, 5, 0x00FFFFFF);
    surface.setPixel(0, 0, gfx::rgb(255, 0, 0));
    surface.setPixel(6, 4, gfx::rgb(0, 0, 255));
    surface.line(0, 2, 6, 2, gfx::rgb(1, 2, 3));
    surface.savePng(folder.file("face.png"));

    const gfx::Surface back = gfx::Surface::loadPng(folder.file("face.png"));
    ASSERT_EQ(back.width(), 7);
    ASSERT_EQ(back.height(), 5);
    EXPECT_EQ(back.pixels(), surface.pixels());
    EXPECT_EQ(back.pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(back.pixel(6, 4), 0xFF0000u);
}

TEST(Surface, PngFailuresRaiseErrorsInsteadOfCrashing) {
    TempFolder folder;
    EXPECT_EQ(raisedNumber([&] { gfx::Surface::loadPng(folder.file("missing.png")); }), 53);
    std::ofstream(folder.file("fake.png")) << "this is no picture";
    EXPECT_EQ(raisedNumber([&] { gfx::Surface::loadPng(folder.file("fake.png")); }), 481);
    gfx::Surface surface(2, 2);
    EXPECT_NE(raisedNumber([&] { surface.savePng(folder.file("no/such/folder/x.png")); }), 0);
    EXPECT_NE(raisedNumber([&] { gfx::Surface().savePng(folder.file("empty.png")); }), 0);
}

} // namespace
