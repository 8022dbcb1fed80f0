#include "UiTestSupport.h"

#include "platform/gfx/Gdi.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/UserControl.h"

#include <filesystem>

namespace {

using namespace uitest;

// A control built on the user-control surface as a colour picker is: a face with a palette
// panel on it, and a hover timer that polls the tick count while the focus is inside.
class HoverBox : public ui::UserControl {
public:
    HoverBox(ui::Form& form, std::string name, int index)
        : ui::UserControl(form, std::move(name), index) {
        move(0, 0, 2085, 2355);
        panel = add<ui::PictureBox>("picPopup");
        panel->move(0, 240, 2295, 2130);
        panel->setBackColor(0xC0C0C0);
        onGotFocus = [this] { log.push_back("GotFocus"); };
        onLostFocus = [this] { log.push_back("LostFocus"); };
        onEnterFocus = [this] {
            log.push_back("EnterFocus");
            runTimer();
            log.push_back("timer stopped");
        };
        onExitFocus = [this] {
            log.push_back("ExitFocus");
            enabled = false;
        };
    }

    void runTimer() {
        enabled = true;
        uint32_t lastTick = 0;
        do {
            if (lastTick == 0)
                lastTick = sys::Clock::tickCount();
            if (int32_t(sys::Clock::tickCount() - lastTick) >= interval) {
                lastTick = sys::Clock::tickCount();
                ticks.push_back(lastTick);
            }
            // A loop that nothing ends would hang the test: give up and say so.
            if (++passes > 100000) {
                log.push_back("runaway");
                break;
            }
            ui::waitForEvents(lastTick + uint32_t(interval));
        } while (enabled);
    }

    ui::PictureBox* panel = nullptr;
    bool enabled = false;
    int32_t interval = 400;
    int passes = 0;
    std::vector<uint32_t> ticks;
    Lines log;
};

struct Selector {
    HoverBox* box = nullptr;
    TestForm form{"ColorSel", "Color Selector", [this](TestForm& f) {
                      box = f.make<HoverBox>("ColorBox");
                      f.make<ui::TextBox>("HTMLColor");
                      f.make<ui::CommandButton>("Command2")->onClick = [&f] { f.unload(); };
                  }};
};

// A mouse handler that notes "who button shift x,y".
std::function<void(int, int, int, int)> recordMouse(Lines& events, const std::string& who) {
    return [&events, who](int button, int shift, int x, int y) {
        events.push_back(who + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                         std::to_string(x) + "," + std::to_string(y));
    };
}

class UserControlTest : public UiTest {};

TEST_F(UserControlTest, HoverLoopRunsInsideFocusEntryAndSeesEveryTickOfAScriptedWait) {
    Selector selector;
    std::vector<uint32_t> ticks;
    Lines log;
    uint32_t start = 0;
    auto& d = driver();
    script({[&] {
                start = sys::Clock::tickCount();
                d.focus("ColorBox", -1);
            },
            [&] { d.wait(1000); }, [&] { d.focus("HTMLColor", -1); },
            [&] {
                ticks = selector.box->ticks;
                log = selector.box->log;
                log.push_back("next action");
            },
            [&] { d.click("Command2"); }});
    selector.form.show();
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_EQ(ticks[0] - start, 400u);
    EXPECT_EQ(ticks[1] - start, 800u);
    EXPECT_EQ(sys::Clock::tickCount() - start, 1000u);
    EXPECT_EQ(log, (Lines{"GotFocus", "EnterFocus", "LostFocus", "ExitFocus", "timer stopped",
                          "next action"}));
    EXPECT_FALSE(selector.form.isLoaded());
}

TEST_F(UserControlTest, ClosingTheDialogOrRunningOutOfScriptEndsTheHoverLoop) {
    Selector selector;
    script({[] { driver().focus("ColorBox", -1); }, [] { driver().click("Command2"); }});
    selector.form.show(); // returns: the unload took the focus out of the control
    EXPECT_FALSE(selector.form.isLoaded());

    script({[] { driver().focus("ColorBox", -1); }});
    selector.form.show(); // the script ends inside the loop: the dialog is closed
    EXPECT_FALSE(selector.form.isLoaded());
    EXPECT_EQ(lines(), (Lines{"form shown: Color Selector", "form closed: Color Selector",
                              "form shown: Color Selector", "form closed: Color Selector"}));
}

TEST_F(UserControlTest, MouseOnTheFaceGoesToThePartUnderThePointerInItsOwnCoordinates) {
    Selector selector;
    selector.form.show(ui::ShowMode::Modeless);
    Lines events;
    HoverBox& box = *selector.box;
    box.onMouseDown = recordMouse(events, "face down");
    box.panel->onMouseDown = recordMouse(events, "panel down");
    box.panel->onMouseUp = recordMouse(events, "panel up");
    box.panel->onMouseMove = recordMouse(events, "panel move");
    box.panel->onClick = [&events] { events.push_back("panel click"); };
    box.panel->onDblClick = [&events] { events.push_back("panel dblclick"); };

    auto& d = driver();
    d.mouse("down", "ColorBox", -1, 10, 5, ui::LeftButton);
    d.mouse("down", "ColorBox", -1, 10, 30, ui::LeftButton);
    d.mouse("move", "picPopup", -1, 60, 8, ui::NoButton);
    d.mouse("click", "ColorBox.picPopup", -1, 9, 9, ui::LeftButton);
    d.mouse("dblclick", "picPopup", -1, 9, 9, ui::LeftButton);
    EXPECT_EQ(events,
              (Lines{"face down 1 0 10,5", "panel down 1 0 10,14", "panel move 0 0 60,8",
                     "panel down 1 0 9,9", "panel up 1 0 9,9", "panel click", "panel down 1 0 9,9",
                     "panel up 1 0 9,9", "panel click", "panel dblclick", "panel up 1 0 9,9"}));
    EXPECT_EQ(raisedNumber([&] { d.mouse("hover", "picPopup", -1, 1, 1, 0); }), 5);
    EXPECT_EQ(raisedNumber([&] { d.mouse("down", "HTMLColor", -1, 1, 1, 1); }), 5);
    selector.form.unload();
}

TEST_F(UserControlTest, SurfaceKeepsColoursAndFontAndDrawsItsPartsOnItsFace) {
    Selector selector;
    selector.form.load();
    HoverBox& box = *selector.box;
    EXPECT_EQ(box.surface().width(), 139);
    EXPECT_EQ(box.surface().height(), 157);
    EXPECT_NE(box.hwnd(), 0);
    EXPECT_EQ(box.font(), selector.form.font());

    box.setBackColor(0x80000005);
    box.setForeColor(0x0000FF);
    EXPECT_EQ(box.surface().pixel(5, 5), 0xFFFFFFu);
    EXPECT_EQ(box.surface().foreColor(), 0x0000FF);
    const gfx::Surface face = box.render();
    EXPECT_EQ(face.pixel(5, 5), 0xFFFFFFu);  // the face above the panel
    EXPECT_EQ(face.pixel(5, 20), 0xC0C0C0u); // the panel, cut off at the face's edge
    EXPECT_EQ(face.pixel(138, 156), 0xC0C0C0u);
    selector.form.unload();
}

TEST_F(UserControlTest, FocusIsRefusedOnAFormThatIsNotShownSoNoHoverLoopIsLeftRunning) {
    Selector selector;
    selector.form.load();
    EXPECT_EQ(raisedNumber([&] { selector.box->setFocus(); }), 5);
    EXPECT_EQ(raisedNumber([&] { selector.box->panel->setFocus(); }), 5);
    EXPECT_TRUE(selector.box->log.empty());
    EXPECT_EQ(selector.form.focusedControl(), nullptr);

    Lines log;
    script({[&] {
        log = selector.box->log;
        driver().click("Command2");
    }});
    selector.form.show(ui::ShowMode::Modeless);
    selector.box->setFocus(); // shown now: the loop runs until the script closes the dialog
    EXPECT_EQ(log, (Lines{"GotFocus", "EnterFocus"}));
    EXPECT_FALSE(selector.form.isLoaded());
}

TEST_F(UserControlTest, ShowingAFormPaintsWhatDrawsItselfFaceFirst) {
    Lines painted;
    Selector selector;
    selector.form.load();
    HoverBox& box = *selector.box;
    box.onPaint = [&] {
        painted.push_back("face");
        gfx::RECT r;
        gfx::GetClientRect(box.surface(), &r);
        gfx::DrawEdge(box.surface(), &r, gfx::EDGE_SUNKEN, gfx::BF_RECT);
    };
    box.panel->onPaint = [&] {
        painted.push_back("panel");
        box.panel->setForeColor(0x0000FF);
        gfx::MoveToEx(box.panel->surface(), 8, 8, nullptr);
        gfx::LineTo(box.panel->surface(), 20, 8);
    };
    auto* swatch = selector.form.make<ui::PictureBox>("Picture1");
    swatch->move(0, 0, 150, 150);
    swatch->onPaint = [&] {
        painted.push_back("swatch");
        sys::raise(481, "Invalid picture");
    };
    auto* hidden = selector.form.make<ui::PictureBox>("Picture2");
    hidden->setVisible(false);
    hidden->onPaint = [&] { painted.push_back("hidden"); };

    selector.form.show(ui::ShowMode::Modeless);
    EXPECT_EQ(painted, (Lines{"face", "panel", "swatch"}));
    EXPECT_EQ(lines(), (Lines{"form shown: Color Selector",
                              "error 481: Invalid picture (in ColorSel_Picture1_Paint)"}));
    const auto path =
        (std::filesystem::temp_directory_path() / "zr_ui_usercontrol_face.png").string();
    driver().snapshot("ColorBox", -1, path);
    const gfx::Surface seen = gfx::Surface::loadPng(path);
    std::filesystem::remove(path);
    EXPECT_EQ(seen.pixel(0, 0), 0x808080u);       // the sunken edge's dark top-left
    EXPECT_EQ(seen.pixel(138, 10), 0xFFFFFFu);    // and its light right side
    EXPECT_EQ(seen.pixel(8, 16 + 8), 0x0000FFu);  // the panel's line, where the panel lies
    EXPECT_EQ(seen.pixel(20, 16 + 8), 0xC0C0C0u); // without its end point

    painted.clear();
    selector.form.show(ui::ShowMode::Modeless); // shown already: nothing new to paint
    EXPECT_TRUE(painted.empty());
    selector.form.unload();
}

TEST_F(UserControlTest, APressedPanelKeepsTheMouseUntilTheButtonIsReleased) {
    Selector selector;
    selector.form.show(ui::ShowMode::Modeless);
    Lines events;
    HoverBox& box = *selector.box;
    box.onMouseMove = recordMouse(events, "face move");
    box.onMouseUp = recordMouse(events, "face up");
    box.panel->onMouseDown = recordMouse(events, "panel down");
    box.panel->onMouseMove = recordMouse(events, "panel move");
    box.panel->onMouseUp = recordMouse(events, "panel up");

    auto& d = driver();
    d.mouse("down", "ColorBox", -1, 10, 30, ui::LeftButton);
    d.mouse("move", "ColorBox", -1, 10, 5, ui::LeftButton); // dragged out onto the band
    d.mouse("up", "ColorBox", -1, 100, 5, ui::LeftButton);  // released there
    d.mouse("move", "ColorBox", -1, 10, 5, ui::NoButton);   // free again
    d.mouse("up", "ColorBox", -1, 10, 5, ui::LeftButton);
    EXPECT_EQ(events, (Lines{"panel down 1 0 10,14", "panel move 1 0 10,-11",
                             "panel up 1 0 100,-11", "face move 0 0 10,5", "face up 1 0 10,5"}));

    // A dialog that closes while the button is down takes the capture with it.
    events.clear();
    box.panel->onMouseDown = [&selector](int, int, int, int) { selector.form.hide(); };
    d.mouse("down", "picPopup", -1, 5, 5, ui::LeftButton);
    selector.form.show(ui::ShowMode::Modeless);
    d.mouse("move", "ColorBox", -1, 10, 5, ui::NoButton);
    EXPECT_EQ(events, (Lines{"face move 0 0 10,5"}));
    selector.form.unload();
}

} // namespace
