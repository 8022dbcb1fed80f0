#pragma once

#include <string>

namespace ui {

// A control's font, as the property bag stores it.
struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;

    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace ui
