#pragma once

#include "platform/gfx/Color.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gfx {

struct POINT {
    int x = 0;
    int y = 0;
};

// How a box drawn with an outline is filled: with the surface's fill colour, or not at all.
enum class FillStyle { Solid = 0, Transparent = 1 };

// A pixel surface: what a picture box or a user control shows. Pixels are 0x00BBGGRR; the
// surface keeps a drawing state as a device context does: the pen (fore colour), the fill
// colour and style for boxes, and the current position that MoveToEx and LineTo use.
// Drawing outside the surface is clipped.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, int32_t background = 0x00FFFFFF);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Changes the size; the drawing is cleared to the colour.
    void resize(int width, int height, int32_t background);

    // 0 outside the surface.
    uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, int32_t color);
    void clear(int32_t color);
    const std::vector<uint32_t>& pixels() const { return m_pixels; }

    int32_t foreColor() const { return m_foreColor; }
    void setForeColor(int32_t color) { m_foreColor = color; }
    int32_t fillColor() const { return m_fillColor; }
    void setFillColor(int32_t color) { m_fillColor = color; }
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    POINT currentPosition() const { return m_position; }
    void setCurrentPosition(POINT position) { m_position = position; }

    // A line with both end points drawn (the toolkit's own Line method).
    void line(int x1, int y1, int x2, int y2, int32_t color);
    // A line that stops before its end point, as the system's LineTo draws.
    void lineExcludingEnd(int x1, int y1, int x2, int y2, int32_t color);
    // A box from corner to corner, both included, outlined in the colour and filled with the
    // fill colour when the fill style is solid.
    void box(int x1, int y1, int x2, int y2, int32_t outline);
    // A box filled with the colour, outline and inside alike.
    void filledBox(int x1, int y1, int x2, int y2, int32_t color);
    // Copies another surface onto this one with its top-left corner at (x, y), clipped.
    void draw(const Surface& source, int x, int y);

    // Writes the surface as a PNG image (8-bit RGB); raises sys::Error when it cannot.
    void savePng(const std::string& path) const;
    // Reads a PNG image (any format libpng reads; transparency is dropped); raises
    // sys::Error 53 when the file is missing, 481 when it is no picture.
    static Surface loadPng(const std::string& path);

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
    int32_t m_foreColor = 0;
    int32_t m_fillColor = 0;
    FillStyle m_fillStyle = FillStyle::Transparent;
    POINT m_position;
};

} // namespace gfx
