#include "platform/gfx/Surface.h"
#include "platform/gfx/Color.h"

#include "tests/platform/editor/ScratchFolder.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(Color, SystemColoursResolveToTheClassicSchemeAndPlainValuesLoseTheTopByte) {
    EXPECT_EQ(gfx::resolveColor(gfx::ButtonFace), 0xC0C0C0u);
    EXPECT_EQ(gfx::resolveColor(gfx::ButtonShadow), 0x808080u);
    EXPECT_EQ(gfx::resolveColor(gfx::ButtonHighlight), 0xFFFFFFu);
    EXPECT_EQ(gfx::resolveColor(gfx::WindowBackground), 0xFFFFFFu);
    EXPECT_EQ(gfx::resolveColor(gfx::ButtonText), 0u);
    EXPECT_EQ(gfx::resolveColor(0x7F123456), 0x123456u);
    EXPECT_EQ(gfx::rgb(255, 128, 0), 0x0080FF); // red in the low byte
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
    ScratchFolder folder;
    gfx::Surface surface(7, 5, 0x00FFFFFF);
    surface.setPixel(0, 0, gfx::rgb(255, 0, 0));
    surface.setPixel(6, 4, gfx::rgb(0, 0, 255));
    surface.line(0, 2, 6, 2, gfx::rgb(1, 2, 3));
    surface.savePng(folder.path("face.png"));

    const gfx::Surface back = gfx::Surface::loadPng(folder.path("face.png"));
    ASSERT_EQ(back.width(), 7);
    ASSERT_EQ(back.height(), 5);
    EXPECT_EQ(back.pixels(), surface.pixels());
    EXPECT_EQ(back.pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(back.pixel(6, 4), 0xFF0000u);
}

TEST(Surface, PngFailuresRaiseErrorsInsteadOfCrashing) {
    ScratchFolder folder;
    EXPECT_EQ(errorNumberOf([&] { gfx::Surface::loadPng(folder.path("missing.png")); }), 53);
    folder.write("fake.png", "this is no picture");
    EXPECT_EQ(errorNumberOf([&] { gfx::Surface::loadPng(folder.path("fake.png")); }), 481);
    gfx::Surface surface(2, 2);
    EXPECT_NE(errorNumberOf([&] { surface.savePng(folder.path("no/such/folder/x.png")); }), 0);
    EXPECT_NE(errorNumberOf([&] { gfx::Surface().savePng(folder.path("empty.png")); }), 0);
}

} // namespace
