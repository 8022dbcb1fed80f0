#pragma once

// The system's drawing calls for controls that draw their own faces, on our pixel surface in place
// of a window's device context. Names and flag values are those of the calls they stand in for.

#include "platform/gfx/Surface.h"

namespace gfx {

// Right and bottom lie just outside the rectangle.
struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum : unsigned {
    BDR_RAISEDOUTER = 0x0001,
    BDR_SUNKENOUTER = 0x0002,
    BDR_RAISEDINNER = 0x0004,
    BDR_SUNKENINNER = 0x0008,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
};

enum : unsigned {
    BF_LEFT = 0x0001,
    BF_TOP = 0x0002,
    BF_RIGHT = 0x0004,
    BF_BOTTOM = 0x0008,
    BF_TOPLEFT = BF_TOP | BF_LEFT,
    BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
    BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
    BF_MIDDLE = 0x0800,
    BF_ADJUST = 0x2000,
};

// The whole surface: (0, 0) to (width, height).
bool GetClientRect(const Surface& surface, RECT* rect);
// Left and top edges inside, right and bottom outside.
bool PtInRect(const RECT* rect, POINT point);
// A 3-D edge of one or two rings (outer, inner) on the chosen sides of the rectangle: the
// top and left sides in the ring's light colour, the bottom and right in its dark one.
// BF_MIDDLE fills what is inside with the button face; BF_ADJUST shrinks rect by the rings.
bool DrawEdge(Surface& surface, RECT* rect, unsigned edge, unsigned flags);
// Sets the current position, giving the previous one when old is not null.
bool MoveToEx(Surface& surface, int x, int y, POINT* old);
// Draws from the current position to (x, y) with the pen (the fore colour), leaving out
// (x, y) itself, which becomes the current position.
bool LineTo(Surface& surface, int x, int y);

} // namespace gfx
