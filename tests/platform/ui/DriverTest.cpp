#include "UiTestSupport.h"

#include "platform/gfx/Surface.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/UserControl.h"

#include <filesystem>

namespace {

using namespace uitest;

class DriverTest : public UiTest {};

TEST_F(DriverTest, MessageBoxWithoutAQueuedAnswerTakesItsDefaultButtonAndSaysSo) {
    using namespace ui;
    EXPECT_EQ(msgBox("Saved."), vbOK);
    EXPECT_EQ(msgBox("Replace?", vbYesNo + vbQuestion + vbDefaultButton2, "Zirirur"), vbNo);
    EXPECT_EQ(msgBox("Retry?", vbAbortRetryIgnore + vbDefaultButton3 + vbCritical, "Zirirur"),
              vbIgnore);
    EXPECT_EQ(msgBox("Two?", vbOKCancel + vbDefaultButton3, "Zirirur"), vbOK); // no third button
    driver().queueMsgBoxAnswer(vbYes);
    EXPECT_EQ(msgBox("Not currently in a form!", vbYesNo, "Zirirur"), vbYes);
    driver().queueMsgBoxAnswer(vbYes); // not a button of this box: the default is taken
    EXPECT_EQ(msgBox("line one\rline two\r\n", vbOKCancel + vbInformation, ""), vbOK);
    EXPECT_EQ(msgBox("next", vbYesNoCancel + vbExclamation, "Color Manager"), vbYes);
    EXPECT_EQ(
        lines(),
        (Lines{"msgbox [] none: Saved. -> OK", "msgbox [Zirirur] question: Replace? -> No",
               "msgbox [Zirirur] critical: Retry? -> Ignore", "msgbox [Zirirur] none: Two? -> OK",
               "msgbox [Zirirur] none: Not currently in a form! -> Yes",
               "msgbox [] information: line one\\rline two\\r\\n -> OK",
               "msgbox [Color Manager] exclamation: next -> Yes"}));
}

TEST_F(DriverTest, InputBoxGivesTheQueuedTextTheDefaultOrEmptyWhenCancelled) {
    driver().queueInput(std::string("Contact1"));
    driver().queueInput(std::nullopt);
    EXPECT_EQ(ui::inputBox("Name to give form?", "Zirirur"), "Contact1");
    EXPECT_EQ(ui::inputBox("Name to give form?", "Zirirur", "Form1"), "");
    EXPECT_EQ(ui::inputBox("Name to give form?", "Zirirur", "Form1"), "Form1");
    driver().queueInput(std::string("x"));
    driver().clearQueues();
    EXPECT_EQ(ui::inputBox("Data\r\r", "Zirirur"), "");
    EXPECT_EQ(lines(), (Lines{"input [Zirirur]: Name to give form? -> Contact1",
                              "input [Zirirur]: Name to give form? -> (cancelled)",
                              "input [Zirirur]: Name to give form? -> Form1",
                              "input [Zirirur]: Data\\r\\r -> "}));
}

// The radio group dialog's lists as a test form: typing renames the row character by
// character, choices and rows can be picked by index or by text.
TestForm::Design radioGroup(Lines& events) {
    return [&events](TestForm& f) {
        auto* list = f.make<ui::ListBox>("List1");
        auto* value = f.make<ui::TextBox>("Text2");
        list->onClick = [list, value] { value->setText(list->text()); };
        list->onDblClick = [&events, list] { events.push_back("dbl " + list->text()); };
        value->onChange = [list, value, &events] {
            events.push_back("change " + value->text());
            if (list->listIndex() >= 0)
                list->setList(list->listIndex(), value->text());
        };
        for (int i = 0; i < 2; ++i) {
            auto* option = f.make<ui::OptionButton>("Option1", i);
            option->setCaption(i == 0 ? "Selected" : "Not Selected");
            option->onClick = [&events, i] { events.push_back("option " + std::to_string(i)); };
        }
        f.make<ui::CheckBox>("Check1")->setCaption("Break Between Options");
        auto* type = f.make<ui::ComboBox>("lstTypes");
        type->setStyle(ui::ComboStyle::DropDownList);
        for (const char* row : {"HIDDEN", "IMAGE", "TEXT"})
            type->addItem(row);
        type->onClick = [&events, type] { events.push_back("type " + type->text()); };
        auto* swatch = f.make<ui::PictureBox>("Picture1");
        swatch->setToolTipText("#FFFFFF");
        swatch->setBackColor(0xFFFFFF);
        f.make<ui::Label>("Label2")->setCaption("Value :");
        f.make<ui::CommandButton>("Command3")->setCaption("Insert Group");
    };
}

TEST_F(DriverTest, UserActionsReachTheControlsAsTheUserWould) {
    Lines events;
    TestForm form("frmRadioGroup", " Radio Button Group", radioGroup(events));
    form.load();
    form.get<ui::ListBox>("List1").addItem("* New Option");
    form.get<ui::ListBox>("List1").addItem("second");
    form.show(ui::ShowMode::Modeless);
    auto& d = driver();
    d.selectRow("List1", -1, 0);
    d.type("Text2", -1, "ab");
    d.selectRow("List1", -1, "SECOND"); // without regard to case when nothing matches exactly
    d.dblClick("List1", -1, 0);
    d.check("Option1", 1, true);
    d.check("Option1", 0, false); // unchecking an option does nothing
    d.check("Check1", -1, true);
    d.check("Check1", -1, true);
    d.setText("lstTypes", -1, "text");
    d.pressKey("Text2", -1, 'Z');
    d.pressKey("Text2", -1, 8);
    EXPECT_EQ(events,
              (Lines{"change * New Option", "change * New Optiona", "change * New Optionab",
                     "change second", "change * New Optionab", "dbl * New Optionab", "option 1",
                     "type TEXT", "change * New Optionabz", "change * New Optionab"}));
    EXPECT_EQ(d.describeTopmost(), "form frmRadioGroup: \" Radio Button Group\"\n"
                                   "  List1 list: [*\"* New Optionab\", \"second\"]\n"
                                   "  Text2 textbox: \"* New Optionab\"\n"
                                   "  Option1(0) option: ( ) \"Selected\"\n"
                                   "  Option1(1) option: (*) \"Not Selected\"\n"
                                   "  Check1 check: [x] \"Break Between Options\"\n"
                                   "  lstTypes combo: \"TEXT\" [\"HIDDEN\", \"IMAGE\", *\"TEXT\"]\n"
                                   "  Picture1 picture: #FFFFFF tip \"#FFFFFF\"\n"
                                   "  Label2 label: \"Value :\"\n"
                                   "  Command3 button: \"Insert Group\"\n");

    std::string why;
    EXPECT_EQ(raisedNumber([&] { d.selectRow("List1", -1, 5); }, &why), 5);
    EXPECT_EQ(why, "The control List1 has no row 5");
    EXPECT_EQ(raisedNumber([&] { d.selectRow("List1", -1, "third"); }), 5);
    EXPECT_EQ(raisedNumber([&] { d.click("Text2"); }), 5);
    EXPECT_EQ(raisedNumber([&] { d.click("Option1"); }, &why), 5); // the array needs an index
    EXPECT_EQ(why, "There is no control Option1 on the form \" Radio Button Group\"");
    form.unload();
    EXPECT_EQ(raisedNumber([&] { d.click("Command3"); }, &why), 5);
    EXPECT_EQ(why, "No form is shown, so there is no control Command3");
    EXPECT_EQ(d.describeTopmost(), "no form shown\n");
}

// A kind of control the driver knows nothing of: a user control that answers the user itself.
class Dial : public ui::UserControl {
public:
    Dial(ui::Form& form, std::string name, int index)
        : ui::UserControl(form, std::move(name), index) {
        move(0, 0, 300, 300);
        knob = add<ui::PictureBox>("Knob");
        knob->move(150, 150, 75, 75);
    }
    void userClick() override { log.push_back("own click"); }
    void userPressKey(int keyCode) override {
        runUserEvent("KeyDown", [&] {
            log.push_back("own key " + std::to_string(keyCode));
            if (keyCode == 27)
                sys::raise(380, "Invalid property value");
        });
    }
    void userMouse(ui::MouseStep step, int button, int x, int y) override {
        log.push_back(std::string("face ") + ui::mouseEventName(step) + " " +
                      std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    ui::PictureBox* knob = nullptr;
    Lines log;
};

TEST_F(DriverTest, EachKindOfControlAnswersTheUserItselfAndRefusesWhatItCannotTake) {
    TestForm form("frmDial", "Dial", [](TestForm& f) {
        f.make<Dial>("Dial1");
        f.make<ui::Frame>("Frame1");
    });
    form.show(ui::ShowMode::Modeless);
    Dial& dial = form.get<Dial>("Dial1");
    Lines knob;
    dial.knob->onMouseDown = [&knob](int button, int, int x, int y) {
        knob.push_back("knob down " + std::to_string(button) + " " + std::to_string(x) + "," +
                       std::to_string(y));
    };
    auto& d = driver();
    d.click("Dial1");
    d.pressKey("Dial1", -1, 'A');
    d.pressKey("Dial1", -1, 27); // its handler's error is reported, the interface goes on
    d.mouse("click", "Dial1", -1, 3, 4, ui::LeftButton);
    d.mouse("down", "Dial1", -1, 12, 13, ui::LeftButton); // on the knob, in its coordinates
    d.mouse("up", "Knob", -1, 2, 3, ui::LeftButton);
    EXPECT_EQ(dial.log, (Lines{"own click", "own key 65", "own key 27", "face MouseDown 1 3,4",
                               "face MouseUp 1 3,4", "face Click 1 3,4"}));
    EXPECT_EQ(knob, (Lines{"knob down 1 2,3"}));
    EXPECT_EQ(lines(), (Lines{"form shown: Dial",
                              "error 380: Invalid property value (in frmDial_Dial1_KeyDown)"}));

    // A frame takes none of the user's actions; each refusal says what it cannot take.
    const std::vector<std::pair<std::function<void()>, std::string>> refusals = {
        {[&] { d.click("Frame1"); }, "cannot be clicked"},
        {[&] { d.dblClick("Frame1", -1, 0); }, "cannot be double-clicked"},
        {[&] { d.setText("Frame1", -1, "x"); }, "takes no text"},
        {[&] { d.type("Frame1", -1, "x"); }, "takes no typing"},
        {[&] { d.pressKey("Frame1", -1, 13); }, "takes no keys"},
        {[&] { d.selectRow("Frame1", -1, 0); }, "has no rows"},
        {[&] { d.selectRow("Frame1", -1, "a"); }, "has no row \"a\""},
        {[&] { d.check("Frame1", -1, true); }, "cannot be checked"},
        {[&] { d.mouse("down", "Frame1", -1, 1, 1, ui::LeftButton); }, "takes no mouse actions"},
        {[&] { d.snapshot("Frame1", -1, "unused.png"); }, "shows no picture"},
    };
    for (const auto& [action, why] : refusals) {
        std::string description;
        EXPECT_EQ(raisedNumber(action, &description), 5) << why;
        EXPECT_EQ(description, "The control Frame1 " + why);
    }
    form.unload();
}

TEST_F(DriverTest, WaitMovesTheVirtualClockAndDeliversWhatIsPostedOnTheWay) {
    const uint32_t start = sys::Clock::tickCount();
    int posted = 0;
    driver().post([&] { ++posted; });
    driver().wait(250);
    EXPECT_EQ(sys::Clock::tickCount() - start, 250u);
    EXPECT_EQ(posted, 1);
    driver().wait(0);
    driver().wait(-5);
    EXPECT_EQ(sys::Clock::tickCount() - start, 250u);

    // The longest wait a script can ask for; what is posted on the way still runs a
    // millisecond apart.
    std::vector<uint32_t> delivered;
    std::function<void()> again = [&] {
        delivered.push_back(sys::Clock::tickCount() - start);
        if (delivered.size() < 3)
            driver().post(again);
    };
    driver().post(again);
    driver().wait(999999999);
    EXPECT_EQ(sys::Clock::tickCount() - start, 250u + 999999999u);
    EXPECT_EQ(delivered, (std::vector<uint32_t>{251, 252, 253}));
}

TEST_F(DriverTest, SnapshotWritesWhatAPictureBoxShows) {
    Lines events;
    TestForm form("frmRadioGroup", "Radio", radioGroup(events));
    form.show(ui::ShowMode::Modeless);
    auto& swatch = form.get<ui::PictureBox>("Picture1");
    swatch.move(0, 0, 20 * 15, 10 * 15);
    swatch.setBackColor(0x336699);
    swatch.surface().line(0, 0, 19, 0, 0);
    const auto path = (std::filesystem::temp_directory_path() / "zr_ui_snapshot.png").string();
    driver().snapshot("Picture1", -1, path);
    const gfx::Surface back = gfx::Surface::loadPng(path);
    std::filesystem::remove(path);
    EXPECT_EQ(back.width(), 20);
    EXPECT_EQ(back.height(), 10);
    EXPECT_EQ(back.pixel(5, 5), 0x336699u);
    EXPECT_EQ(back.pixel(19, 0), 0u);
    EXPECT_EQ(raisedNumber([&] { driver().snapshot("Label2", -1, path); }), 5);
    form.unload();
}

} // namespace
