#include "platform/gfx/Surface.h"

#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>

namespace gfx {

Surface::Surface(int width, int height, int32_t background) {
    resize(width, height, background);
}

void Surface::resize(int width, int height, int32_t background) {
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    m_pixels.assign(size_t(m_width) * size_t(m_height), resolveColor(background));
}

uint32_t Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return m_pixels[size_t(y) * size_t(m_width) + size_t(x)];
}

void Surface::setPixel(int x, int y, int32_t color) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[size_t(y) * size_t(m_width) + size_t(x)] = resolveColor(color);
}

void Surface::clear(int32_t color) {
    std::fill(m_pixels.begin(), m_pixels.end(), resolveColor(color));
}

void Surface::lineExcludingEnd(int x1, int y1, int x2, int y2, int32_t color) {
    // Bresenham, stepping from the start towards the end and stopping just before it.
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        setPixel(x, y, color);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void Surface::line(int x1, int y1, int x2, int y2, int32_t color) {
    lineExcludingEnd(x1, y1, x2, y2, color);
    setPixel(x2, y2, color);
}

void Surface::box(int x1, int y1, int x2, int y2, int32_t outline) {
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    if (m_fillStyle == FillStyle::Solid)
        for (int y = top + 1; y < bottom; ++y)
            for (int x = left + 1; x < right; ++x)
                setPixel(x, y, m_fillColor);
    line(left, top, right, top, outline);
    line(right, top, right, bottom, outline);
    line(right, bottom, left, bottom, outline);
    line(left, bottom, left, top, outline);
}

void Surface::filledBox(int x1, int y1, int x2, int y2, int32_t color) {
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
            setPixel(x, y, color);
}

void Surface::draw(const Surface& source, int x, int y) {
    for (int row = 0; row < source.height(); ++row)
        for (int column = 0; column < source.width(); ++column)
            setPixel(x + column, y + row, int32_t(source.pixel(column, row)));
}

void Surface::savePng(const std::string& path) const {
    if (m_width == 0 || m_height == 0)
        sys::raise(481, "Invalid picture: the surface is empty");
    std::vector<unsigned char> rgb(size_t(m_width) * size_t(m_height) * 3);
    for (size_t i = 0; i < m_pixels.size(); ++i) {
        rgb[i * 3] = static_cast<unsigned char>(redOf(m_pixels[i]));
        rgb[i * 3 + 1] = static_cast<unsigned char>(greenOf(m_pixels[i]));
        rgb[i * 3 + 2] = static_cast<unsigned char>(blueOf(m_pixels[i]));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(m_width);
    image.height = png_uint_32(m_height);
    image.format = PNG_FORMAT_RGB;
    const std::string file = sys::FileSystem::nativePath(path);
    if (!png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), 0, nullptr)) {
        std::string message = image.message;
        png_image_free(&image);
        sys::raise(sys::ErrPathFileAccess, "Cannot write the picture " + path + ": " + message);
    }
}

Surface Surface::loadPng(const std::string& path) {
    const std::string file = sys::FileSystem::nativePath(path);
    if (!sys::FileSystem::fileExists(path))
        sys::raise(sys::ErrFileNotFound);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str())) {
        png_image_free(&image);
        sys::raise(481, "Invalid picture");
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        sys::raise(481, "Invalid picture");
    }
    Surface surface(int(image.width), int(image.height), 0);
    for (size_t i = 0; i < surface.m_pixels.size(); ++i)
        surface.m_pixels[i] = uint32_t(rgb[i * 3]) | (uint32_t(rgb[i * 3 + 1]) << 8) |
                              (uint32_t(rgb[i * 3 + 2]) << 16);
    return surface;
}

} // namespace gfx
