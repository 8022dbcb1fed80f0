// The host's script actions on the colour control, as a dialog that hosts it will be driven:
// the control on a test form, the script's lines run by the host's own runner.
#include "host/Script.h"
#include "host/ScriptAction.h"
#include "host/ScriptRunner.h"
#include "platform/editor/Application.h"
#include "platform/gfx/Surface.h"
#include "tests/colorpicker/ColorBoxForm.h"

#include <filesystem>
#include <sstream>

namespace {

using colortest::Lines;

class ColorBoxScriptTest : public uitest::UiTest {
protected:
    // Runs the script while the test form is shown; what the runner reports goes to errors.
    void run(const std::string& text) {
        const host::Script script = host::Script::parse(text);
        std::vector<host::ScriptAction> actions;
        for (const host::ScriptLine& line : script.lines())
            actions.push_back(host::ScriptAction::parse(line));
        host::ScriptRunner runner(std::move(actions), application, errors, [](const auto&) {});
        driver().setActionSource([&runner] { return runner.next(); });
        selector.form.show();
        driver().setActionSource(nullptr);
    }
    editor::Application application;
    std::ostringstream errors;
    colortest::ColorBoxForm selector;
};

TEST_F(ColorBoxScriptTest, MouseSnapshotShowAndThePartsByNameWorkFromAScript) {
    const auto png = (std::filesystem::temp_directory_path() /
                      ("zr_host_colorbox_" + std::to_string(::getpid()) + ".png"))
                         .string();
    run("mouse move ColorBox 13 29\n"
        "mouse down ColorBox 25 29\n" // Turquoise, dragged on to Jade
        "mouse move ColorBox 25 41 left\n"
        "mouse up ColorBox 25 41\n"
        "choose-colour #336699\n"
        "click MorePal\n"
        "select DropPal Custom\n"
        "snapshot ColorBox '" +
        png +
        "'\n"
        "show\n"
        "click Command2\n");
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(selector.events, (Lines{"Change #00FFC0 Turquoise", "Change #00FF80 Jade",
                                      "Click Jade", "Change #336699 Jade"}));
    const gfx::Surface face = gfx::Surface::loadPng(png);
    std::filesystem::remove(png);
    EXPECT_EQ(face.width(), 139);
    EXPECT_EQ(face.height(), 157);
    EXPECT_EQ(colortest::html(face.pixel(70, 10)), "#336699");
    EXPECT_EQ(colortest::html(face.pixel(13, 29)), "#FF0000");
    const Lines seen = lines();
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(seen[1], "color: #000000 -> #336699");
    EXPECT_EQ(seen[3], "  ColorBox colorbox: active #336699 \"Jade\", selected #336699 \"Jade\", "
                       "palette \"Custom\"");
}

} // namespace
