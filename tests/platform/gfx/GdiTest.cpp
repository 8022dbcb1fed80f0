#include "platform/gfx/Gdi.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Shadow = 0x808080;
constexpr uint32_t DarkShadow = 0x404040;
constexpr uint32_t Light = 0xDFDFDF;
constexpr uint32_t Highlight = 0xFFFFFF;

TEST(Gdi, ClientRectCoversTheSurfaceAndPtInRectLeavesOutRightAndBottom) {
    gfx::Surface surface(139, 157);
    gfx::RECT r;
    ASSERT_TRUE(gfx::GetClientRect(surface, &r));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 139);
    EXPECT_EQ(r.bottom, 157);
    EXPECT_TRUE(gfx::PtInRect(&r, {0, 0}));
    EXPECT_TRUE(gfx::PtInRect(&r, {138, 156}));
    EXPECT_FALSE(gfx::PtInRect(&r, {139, 10}));
    EXPECT_FALSE(gfx::PtInRect(&r, {10, 157}));
    EXPECT_FALSE(gfx::PtInRect(&r, {-1, 10}));
    EXPECT_FALSE(gfx::PtInRect(nullptr, {1, 1}));
}

TEST(Gdi, SunkenEdgeDrawsTwoRingsDarkAboveLightBelowAndSurvivesPngExport) {
    gfx::Surface surface(10, 10, 0x0000FF);
    gfx::RECT r{0, 0, 10, 10};
    ASSERT_TRUE(gfx::DrawEdge(surface, &r, gfx::EDGE_SUNKEN, gfx::BF_RECT));

    const auto path = (std::filesystem::temp_directory_path() / "zr_gdi_sunken.png").string();
    surface.savePng(path);
    const gfx::Surface back = gfx::Surface::loadPng(path);
    std::filesystem::remove(path);

    for (const gfx::Surface* s : {static_cast<const gfx::Surface*>(&surface), &back}) {
        // Outer ring: shadow on the top and left, highlight on the bottom and right, which
        // also take the two corners they share with them.
        EXPECT_EQ(s->pixel(0, 0), Shadow);
        EXPECT_EQ(s->pixel(0, 5), Shadow);
        EXPECT_EQ(s->pixel(5, 0), Shadow);
        EXPECT_EQ(s->pixel(9, 0), Highlight);
        EXPECT_EQ(s->pixel(0, 9), Highlight);
        EXPECT_EQ(s->pixel(9, 9), Highlight);
        // Inner ring, one pixel in.
        EXPECT_EQ(s->pixel(1, 1), DarkShadow);
        EXPECT_EQ(s->pixel(4, 1), DarkShadow);
        EXPECT_EQ(s->pixel(8, 1), Light);
        EXPECT_EQ(s->pixel(1, 8), Light);
        EXPECT_EQ(s->pixel(8, 8), Light);
        // The inside is left alone.
        EXPECT_EQ(s->pixel(2, 2), 0x0000FFu);
        EXPECT_EQ(s->pixel(7, 7), 0x0000FFu);
    }
    // Without BF_ADJUST the rectangle is not changed.
    EXPECT_EQ(r.right, 10);
}

TEST(Gdi, EtchedLeftSideOfAnEmptyRectangleIsAVerticalGrooveOnly) {
    gfx::Surface surface(153, 142, 0xC0C0C0);
    gfx::RECT r{57, 8, 57, 104};
    gfx::DrawEdge(surface, &r, gfx::EDGE_ETCHED, gfx::BF_LEFT);
    for (int y = 8; y < 104; ++y) {
        EXPECT_EQ(surface.pixel(57, y), Shadow) << y;
        EXPECT_EQ(surface.pixel(58, y), Highlight) << y;
    }
    EXPECT_EQ(surface.pixel(57, 7), 0xC0C0C0u);
    EXPECT_EQ(surface.pixel(57, 104), 0xC0C0C0u);
    EXPECT_EQ(surface.pixel(56, 50), 0xC0C0C0u);
    EXPECT_EQ(surface.pixel(59, 50), 0xC0C0C0u);

    gfx::RECT adjusted{0, 0, 20, 20};
    gfx::DrawEdge(surface, &adjusted, gfx::EDGE_RAISED, gfx::BF_RECT | gfx::BF_ADJUST);
    EXPECT_EQ(adjusted.left, 2);
    EXPECT_EQ(adjusted.bottom, 18);
    EXPECT_EQ(surface.pixel(0, 0), Light);
    EXPECT_EQ(surface.pixel(19, 19), DarkShadow);
    EXPECT_EQ(surface.pixel(1, 1), Highlight);
    EXPECT_EQ(surface.pixel(18, 18), Shadow);
}

TEST(Gdi, LineToLeavesOutItsEndPointAndMovesTheCurrentPosition) {
    gfx::Surface surface(10, 10, White);
    surface.setForeColor(0x0000FF);
    gfx::POINT old{-1, -1};
    gfx::MoveToEx(surface, 2, 2, &old);
    EXPECT_EQ(old.x, 0);
    EXPECT_EQ(old.y, 0);
    gfx::LineTo(surface, 6, 2);
    for (int x = 2; x <= 5; ++x)
        EXPECT_EQ(surface.pixel(x, 2), 0x0000FFu) << x;
    EXPECT_EQ(surface.pixel(6, 2), White);
    EXPECT_EQ(surface.currentPosition().x, 6);

    gfx::LineTo(surface, 0, 8); // a diagonal, end point left out as well
    EXPECT_EQ(surface.pixel(6, 2), 0x0000FFu);
    EXPECT_EQ(surface.pixel(1, 7), 0x0000FFu);
    EXPECT_EQ(surface.pixel(0, 8), White);

    gfx::LineTo(surface, 0, 8); // to where it stands: nothing
    EXPECT_EQ(surface.pixel(0, 8), White);
}

TEST(Gdi, FiveLineFrameGivesLightTopLeftAndDarkBottomRightWithoutSpill) {
    // A raised frame around a cell (2,2)-(7,7): move to the bottom-left, light lines up and
    // across, dark lines down and back to one before the left edge.
    gfx::Surface surface(10, 10, White);
    constexpr int32_t LightPen = 0x00FF00;
    constexpr int32_t DarkPen = 0x0000FF;
    surface.setForeColor(LightPen);
    gfx::MoveToEx(surface, 2, 7, nullptr);
    gfx::LineTo(surface, 2, 2);
    gfx::LineTo(surface, 7, 2);
    surface.setForeColor(DarkPen);
    gfx::LineTo(surface, 7, 7);
    gfx::LineTo(surface, 1, 7);

    EXPECT_EQ(surface.pixel(2, 2), uint32_t(LightPen));
    EXPECT_EQ(surface.pixel(2, 5), uint32_t(LightPen));
    EXPECT_EQ(surface.pixel(6, 2), uint32_t(LightPen));
    EXPECT_EQ(surface.pixel(7, 2), uint32_t(DarkPen));
    EXPECT_EQ(surface.pixel(7, 7), uint32_t(DarkPen));
    EXPECT_EQ(surface.pixel(2, 7), uint32_t(DarkPen)); // the bottom line covers the corner
    EXPECT_EQ(surface.pixel(1, 7), White);             // its end point is left out
    EXPECT_EQ(surface.pixel(4, 4), White);
}

} // namespace
