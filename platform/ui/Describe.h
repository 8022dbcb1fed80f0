#pragma once

// Helpers for the one-line descriptions that the driver's `show` writes.

#include "platform/gfx/Color.h"
#include "platform/ui/Driver.h"

#include <cstdio>
#include <string>
#include <vector>

namespace ui::describe {

// The text in double quotes, with quotes and backslashes escaped and CR/LF as \r and \n.
inline std::string quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return Driver::escape(out) + "\"";
}

// Rows in brackets, the selected one marked with "*".
inline std::string rows(const std::vector<std::string>& items, int selected) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += ", ";
        if (int(i) == selected)
            out += "*";
        out += quote(items[i]);
    }
    return out + "]";
}

// #RRGGBB of a colour value (system colours resolved).
inline std::string color(int32_t value) {
    const uint32_t rgb = gfx::resolveColor(value);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", gfx::redOf(rgb), gfx::greenOf(rgb),
                  gfx::blueOf(rgb));
    return text;
}

} // namespace ui::describe
