#pragma once

// The colour control on a test form, placed as the Color Selector places it, with a text box to
// take the focus away and a button that closes the form. The control's four events are noted
// with the colour or name they concern; pixels are read from the driver's snapshot.

#include "colorpicker/AZColorBox.h"
#include "platform/gfx/Surface.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/TextBox.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace colortest {

using uitest::Lines;

// Where a cell's middle lies on the face: the panel starts 16 pixels down the face; cells are
// 10 pixels on a stride of 12, running down columns of 8 from (8, 8) (main) and (60, 8) (shades).
struct FacePoint {
    int x = 0;
    int y = 0;
};
inline FacePoint mainCell(int index) {
    return {8 + 12 * (index / 8) + 5, 16 + 8 + 12 * (index % 8) + 5};
}
inline FacePoint shadeCell(int index) {
    return {60 + 12 * (index / 8) + 5, 16 + 8 + 12 * (index % 8) + 5};
}

// A colour value as #RRGGBB.
inline std::string html(uint32_t color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return text;
}

struct ColorBoxForm {
    zirirur::AZColorBox* box = nullptr;
    Lines events;
    uitest::TestForm form{"ColorSel", "Color Selector", [this](uitest::TestForm& f) {
                              box = f.make<zirirur::AZColorBox>("ColorBox");
                              box->move(30, 15, 2085, 2355);
                              box->initProperties();
                              box->onClick = [this] { events.push_back("Click " + box->Text()); };
                              box->onChange = [this](int32_t& color) {
                                  events.push_back("Change " + html(uint32_t(color)) + " " +
                                                   box->ActiveText());
                              };
                              box->onDblClick = [this] { events.push_back("DblClick"); };
                              box->onPopup = [this] { events.push_back("Popup"); };
                              f.make<ui::TextBox>("HTMLColor");
                              f.make<ui::CommandButton>("Command2")->onClick = [&f] { f.unload(); };
                          }};

    // The control's face as the driver's snapshot writes it.
    static gfx::Surface face() {
        // Tests run side by side, each in its own process.
        const auto path = (std::filesystem::temp_directory_path() /
                           ("zr_colorbox_face_" + std::to_string(::getpid()) + ".png"))
                              .string();
        ui::Driver::instance().snapshot("ColorBox", -1, path);
        gfx::Surface seen = gfx::Surface::loadPng(path);
        std::filesystem::remove(path);
        return seen;
    }
    static std::string pixel(FacePoint at) { return html(face().pixel(at.x, at.y)); }

    // The user's mouse on the face, at a cell's middle.
    static void mouse(const std::string& what, FacePoint at, int button) {
        ui::Driver::instance().mouse(what, "ColorBox", -1, at.x, at.y, button);
    }
};

} // namespace colortest
