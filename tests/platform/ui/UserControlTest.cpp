#include "UiTestSupport.h"

#include "platform/ui/CommandButton.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/UserControl.h"

namespace {

using namespace uitest;
using Lines = std::vector<std::string>;

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
            if (int32_t(sys::Clock::tickCount() - lastTick) >= 400) {
                lastTick = sys::Clock::tickCount();
                ticks.push_back(lastTick);
            }
            ui::waitForEvents(lastTick + 400);
        } while (enabled);
    }

    ui::PictureBox* panel = nullptr;
    bool enabled = false;
    std::vector<uint32_t> ticks;
    std::vector<std::string> log;
};

struct Selector {
    HoverBox* box = nullptr;
    TestForm form{"ColorSel", "Color Selector", [this](TestForm& f) {
                      box = f.make<HoverBox>("ColorBox");
                      f.make<ui::TextBox>("HTMLColor");
                      f.make<ui::CommandButton>("Command2")->onClick = [&f] { f.unload(); };
                  }};
};

class UserControlTest : public UiTest {};

TEST_F(UserControlTest, HoverLoopRunsInsideFocusEntryAndSeesEveryTickOfAScriptedWait) {
    Selector selector;
    std::vector<uint32_t> ticks;
    std::vector<std::string> log;
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
    std::vector<std::string> events;
    auto record = [&events](const std::string& who) {
        return [&events, who](int button, int shift, int x, int y) {
            events.push_back(who + " " + std::to_string(button) + " " + std::to_string(shift) +
                             " " + std::to_string(x) + "," + std::to_string(y));
        };
    };
    HoverBox& box = *selector.box;
    box.onMouseDown = record("face down");
    box.panel->onMouseDown = record("panel down");
    box.panel->onMouseUp = record("panel up");
    box.panel->onMouseMove = record("panel move");
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

TEST_F(UserControlTest, SurfaceKeepsColoursFontPropertiesAndDrawsItsPartsOnItsFace) {
    Selector selector;
    selector.form.load();
    HoverBox& box = *selector.box;
    EXPECT_EQ(box.surface().width(), 139);
    EXPECT_EQ(box.surface().height(), 157);
    EXPECT_NE(box.hwnd(), 0);
    EXPECT_EQ(box.font(), selector.form.font());

    int resizes = 0;
    box.onResize = [&] {
        ++resizes;
        box.setHeight(2355); // a control that keeps its size, as the colour box does
    };
    box.setHeight(3000);
    EXPECT_EQ(box.height(), 2355);
    EXPECT_EQ(resizes, 2);

    std::vector<std::string> seen;
    box.onInitProperties = [&] { seen.push_back("init"); };
    box.onReadProperties = [&](const ui::PropertyBag& bag) {
        seen.push_back(std::get<std::string>(bag.readProperty("PalType", std::string("Normal"))));
    };
    box.onWriteProperties = [&](ui::PropertyBag& bag) {
        bag.writeProperty("PalType", std::string("Custom"), std::string("Normal"));
    };
    ui::PropertyBag bag;
    box.initProperties();
    box.writeProperties(bag);
    box.readProperties(bag);
    EXPECT_EQ(seen, (Lines{"init", "Custom"}));
    box.propertyChanged("BackColor");
    box.propertyChanged("ActiveColor");
    EXPECT_EQ(box.changedProperties(), (Lines{"BackColor", "ActiveColor"}));
    box.clearChangedProperties();
    EXPECT_TRUE(box.changedProperties().empty());

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

} // namespace
