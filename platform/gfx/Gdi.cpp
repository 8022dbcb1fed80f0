#include "platform/gfx/Gdi.h"

namespace gfx {

namespace {

struct RingColors {
    int32_t topLeft = 0;
    int32_t bottomRight = 0;
};

void drawRing(Surface& surface, RECT& r, unsigned flags, RingColors colors) {
    if (r.right <= r.left && (flags & (BF_TOP | BF_BOTTOM)))
        return;
    if (flags & BF_LEFT)
        surface.line(r.left, r.top, r.left, r.bottom - 1, colors.topLeft);
    if (flags & BF_TOP)
        surface.line(r.left, r.top, r.right - 1, r.top, colors.topLeft);
    if (flags & BF_RIGHT)
        surface.line(r.right - 1, r.top, r.right - 1, r.bottom - 1, colors.bottomRight);
    if (flags & BF_BOTTOM)
        surface.line(r.left, r.bottom - 1, r.right - 1, r.bottom - 1, colors.bottomRight);
    if (flags & BF_LEFT)
        ++r.left;
    if (flags & BF_TOP)
        ++r.top;
    if (flags & BF_RIGHT)
        --r.right;
    if (flags & BF_BOTTOM)
        --r.bottom;
}

} // namespace

bool GetClientRect(const Surface& surface, RECT* rect) {
    if (!rect)
        return false;
    *rect = RECT{0, 0, surface.width(), surface.height()};
    return true;
}

bool PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

bool DrawEdge(Surface& surface, RECT* rect, unsigned edge, unsigned flags) {
    if (!rect)
        return false;
    RECT r = *rect;
    if (r.bottom <= r.top)
        return true;
    if (edge & BDR_RAISEDOUTER)
        drawRing(surface, r, flags, {ButtonLight, ButtonDarkShadow});
    else if (edge & BDR_SUNKENOUTER)
        drawRing(surface, r, flags, {ButtonShadow, ButtonHighlight});
    if (edge & BDR_RAISEDINNER)
        drawRing(surface, r, flags, {ButtonHighlight, ButtonShadow});
    else if (edge & BDR_SUNKENINNER)
        drawRing(surface, r, flags, {ButtonDarkShadow, ButtonLight});
    if (flags & BF_MIDDLE)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                surface.setPixel(x, y, ButtonFace);
    if (flags & BF_ADJUST)
        *rect = r;
    return true;
}

bool MoveToEx(Surface& surface, int x, int y, POINT* old) {
    if (old)
        *old = surface.currentPosition();
    surface.setCurrentPosition(POINT{x, y});
    return true;
}

bool LineTo(Surface& surface, int x, int y) {
    const POINT from = surface.currentPosition();
    surface.lineExcludingEnd(from.x, from.y, x, y, surface.foreColor());
    surface.setCurrentPosition(POINT{x, y});
    return true;
}

} // namespace gfx
