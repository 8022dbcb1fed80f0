#include "platform/gfx/Gdi.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Shadow = 0x808080;
constexpr uint32_t DarkShadow = 0x404040;
constexpr uint32_t Light = 0xDFDFDF;
constexpr uint32_t Highlight = 0xFFFFFF;

void expectAt(const gfx::Surface& surface, std::initializer_list<gfx::POINT> points,
              uint32_t colour) {
    for (gfx::POINT p : points)
        EXPECT_EQ(surface.pixel(p.x, p.y), colour) << "at " << p.x << "," << p.y;
}

TEST(Gdi, ClientRectCoversTheSurfaceAndPtInRectLeavesOutRightAndBottom) {
    gfx::Surface surface(139, 157);
    gfx::RECT r;
    ASSERT_TRUE(gfx::GetClientRect(surface, &r));
    EXPECT_EQ(std::tie(r.left, r.top, r.right, r.bottom), std::tuple(0, 0, 139, 157));
    EXPECT_TRUE(gfx::PtInRect(&r, {0, 0}));
    EXPECT_TRUE(gfx::PtInRect(&r, {138, 156}));
    for (gfx::POINT outside : {gfx::POINT{139, 10}, {10, 157}, {-1, 10}})
        EXPECT_FALSE(gfx::PtInRect(&r, outside)) << outside.x << "," << outside.y;
    EXPECT_FALSE(gfx::PtInRect(nullptr, {1, 1}));
}

TEST(Gdi, SunkenEdgeDrawsTwoRingsDarkAboveLightBelow) {
    gfx::Surface surface(10, 10, 0x0000FF);
    gfx::RECT r{0, 0, 10, 10};
    ASSERT_TRUE(gfx::DrawEdge(surface, &r, gfx::EDGE_SUNKEN, gfx::BF_RECT));
    // Outer ring: shadow on the top and left, highlight on the bottom and right, which also
    // take the two corners they share with them. The inner ring is one pixel in; the inside
    // is left alone.
    expectAt(surface, {{0, 0}, {0, 5}, {5, 0}}, Shadow);
    expectAt(surface, {{9, 0}, {0, 9}, {9, 9}}, Highlight);
    expectAt(surface, {{1, 1}, {4, 1}}, DarkShadow);
    expectAt(surface, {{8, 1}, {1, 8}, {8, 8}}, Light);
    expectAt(surface, {{2, 2}, {7, 7}}, 0x0000FF);
    EXPECT_EQ(r.right, 10); // without BF_ADJUST the rectangle is not changed
}

TEST(Gdi, EtchedLeftSideOfAnEmptyRectangleIsAVerticalGrooveOnly) {
    gfx::Surface surface(153, 142, 0xC0C0C0);
    gfx::RECT r{57, 8, 57, 104};
    gfx::DrawEdge(surface, &r, gfx::EDGE_ETCHED, gfx::BF_LEFT);
    for (int y = 8; y < 104; ++y) {
        EXPECT_EQ(surface.pixel(57, y), Shadow) << y;
        EXPECT_EQ(surface.pixel(58, y), Highlight) << y;
    }
    expectAt(surface, {{57, 7}, {57, 104}, {56, 50}, {59, 50}}, 0xC0C0C0);

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
    EXPECT_EQ(std::tie(old.x, old.y), std::tuple(0, 0));
    gfx::LineTo(surface, 6, 2);
    expectAt(surface, {{2, 2}, {3, 2}, {4, 2}, {5, 2}}, 0x0000FF);
    expectAt(surface, {{6, 2}}, White);
    EXPECT_EQ(surface.currentPosition().x, 6);

    gfx::LineTo(surface, 0, 8); // a diagonal, end point left out as well
    expectAt(surface, {{6, 2}, {1, 7}}, 0x0000FF);
    expectAt(surface, {{0, 8}}, White);

    gfx::LineTo(surface, 0, 8); // to where it stands: nothing
    expectAt(surface, {{0, 8}}, White);
}

TEST(Gdi, FiveLineFrameGivesLightTopLeftAndDarkBottomRightWithoutSpill) {
    // A raised frame around a cell (2,2)-(7,7): move to the bottom-left, light lines up and
    // across, dark lines down and back to one before the left edge. The bottom line covers
    // the corner (2,7); its end point (1,7) is left out.
    gfx::Surface surface(10, 10, White);
    surface.setForeColor(0x00FF00);
    gfx::MoveToEx(surface, 2, 7, nullptr);
    gfx::LineTo(surface, 2, 2);
    gfx::LineTo(surface, 7, 2);
    surface.setForeColor(0x0000FF);
    gfx::LineTo(surface, 7, 7);
    gfx::LineTo(surface, 1, 7);
    expectAt(surface, {{2, 2}, {2, 5}, {6, 2}}, 0x00FF00);
    expectAt(surface, {{7, 2}, {7, 7}, {2, 7}}, 0x0000FF);
    expectAt(surface, {{1, 7}, {4, 4}}, White);
}

} // namespace
