#include "UiTestSupport.h"

#include "platform/sys/FileSystem.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/Frame.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/PropertyBag.h"
#include "platform/ui/TextBox.h"

#include <cctype>
#include <filesystem>
#include <fstream>

namespace {

using namespace uitest;

class ControlsTest : public UiTest {
protected:
    TestForm form{"frmTest", "Test", nullptr};
    void SetUp() override {
        UiTest::SetUp();
        form.load();
    }
    void TearDown() override {
        form.unload();
        UiTest::TearDown();
    }
    template <typename T> T* make(const std::string& name, int index = -1) {
        return form.make<T>(name, index);
    }
};

template <typename List> Lines rowsOf(const List& list) {
    Lines rows;
    for (int i = 0; i < list.listCount(); ++i)
        rows.push_back(list.list(i));
    return rows;
}

TEST_F(ControlsTest, TextBoxRunsChangeOnlyForANewTextAndKeyPressMayRewriteOrDropKeys) {
    auto* box = make<ui::TextBox>("HTMLColor");
    int changes = 0;
    std::vector<int> keys;
    box->onChange = [&] { ++changes; };
    box->setText("abc");
    box->setText("abc");
    EXPECT_EQ(changes, 1);

    box->setText("");
    changes = 0;
    box->onKeyPress = [&](int& key) {
        keys.push_back(key);
        if (key == '!')
            key = 0; // dropped
        else if (key >= 'a' && key <= 'z')
            key = std::toupper(key);
    };
    box->typeCharacter("f");
    box->typeCharacter("!");
    box->typeCharacter("0");
    box->typeCharacter("é"); // a character of the code page, kept as typed
    EXPECT_EQ(box->text(), "F0é");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(keys, (std::vector<int>{'f', '!', '0', 0xE9}));

    box->typeCharacter("\r"); // Enter: a single-line box keeps its text
    EXPECT_EQ(box->text(), "F0é");
    box->typeCharacter("\b"); // Backspace takes the last character, not its last byte
    EXPECT_EQ(box->text(), "F0");
    box->setLocked(ui::Locked::Yes);
    box->typeCharacter("x");
    EXPECT_EQ(box->text(), "F0");
    box->setLocked(ui::Locked::No);
    box->setMultiLine(ui::MultiLine::Yes);
    box->typeCharacter("\r");
    EXPECT_EQ(box->text(), "F0\r\n");
    box->typeCharacter("\b"); // the line break goes whole, no lone CR is left behind
    EXPECT_EQ(box->text(), "F0");
    box->setText("a\r\r\n");
    box->typeCharacter("\b");
    EXPECT_EQ(box->text(), "a\r");
}

TEST_F(ControlsTest, SortedListOrdersAsPeopleSortAndKeepsEqualRowsTogether) {
    auto* list = make<ui::ListBox>("ColorList");
    list->setSorted(ui::Sorted::Yes);
    // "e" with a combining accent collates as "é" does: the bytes decide between them.
    for (const char* row :
         {"#ff0000", "zeta", "élan", "banana", "#FF0000", "Apple", "Émile", "#ff0000", "Zeta",
          "cherry", "e\u0301lan", "apple", "elan", "#FF0000", "Elan", "eve"})
        list->addItem(row, 0); // the index is ignored by a sorted list
    const Lines sorted{"#FF0000", "#FF0000", "#ff0000", "#ff0000", "Apple",      "apple",
                       "banana",  "cherry",  "Elan",    "elan",    "e\u0301lan", "élan",
                       "Émile",   "eve",     "Zeta",    "zeta"};
    EXPECT_EQ(rowsOf(*list), sorted);
    // Sorting a list filled unsorted gives the same order.
    auto* later = make<ui::ListBox>("Later");
    for (auto row = sorted.rbegin(); row != sorted.rend(); ++row)
        later->addItem(*row);
    later->setSorted(ui::Sorted::Yes);
    EXPECT_EQ(rowsOf(*later), sorted);

    // An unsorted list keeps the order of adding, at the index given.
    auto* plain = make<ui::ListBox>("List1");
    plain->addItem("b");
    plain->addItem("a");
    plain->addItem("first", 0);
    EXPECT_EQ(rowsOf(*plain), (Lines{"first", "b", "a"}));
    EXPECT_EQ(raisedNumber([&] { plain->addItem("x", 9); }), 5);
}

TEST_F(ControlsTest, ListIndexRunsClickEveryTimeAndRowsShiftTheSelectionAsTheyCome) {
    auto* list = make<ui::ListBox>("List1");
    int clicks = 0;
    list->onClick = [&] { ++clicks; };
    for (const char* row : {"a", "b", "c", "d"})
        list->addItem(row);
    list->setListIndex(2);
    list->setListIndex(2);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list->text(), "c");

    list->removeItem(0); // a row above the selection: the same row stays selected
    EXPECT_EQ(list->listIndex(), 1);
    list->addItem("top", 0);
    EXPECT_EQ(list->listIndex(), 2);
    EXPECT_EQ(list->text(), "c");
    list->removeItem(2); // the selected row itself: nothing is selected
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(list->text(), "");
    list->setList(0, "renamed");
    EXPECT_EQ(list->list(0), "renamed");
    EXPECT_EQ(list->list(99), "");
    EXPECT_EQ(list->list(-1), "");
    EXPECT_EQ(clicks, 2);

    EXPECT_EQ(raisedNumber([&] { list->setListIndex(3); }), 380);
    EXPECT_EQ(raisedNumber([&] { list->setListIndex(-2); }), 380);
    EXPECT_EQ(raisedNumber([&] { list->removeItem(3); }), 5);
    EXPECT_EQ(raisedNumber([&] { list->setList(3, "x"); }), 381);
    list->clear();
    EXPECT_EQ(list->listCount(), 0);
    EXPECT_EQ(list->listIndex(), -1);
}

TEST_F(ControlsTest, ComboBoxesSelectByTextOrTakeTypedText) {
    auto* pal = make<ui::ComboBox>("DropPal");
    pal->setStyle(ui::ComboStyle::DropDownList);
    for (const char* row : {"Normal", "Custom", "Load Custom", "Save Custom"})
        pal->addItem(row);
    int clicks = 0;
    int changes = 0;
    pal->onClick = [&] { ++clicks; };
    pal->onChange = [&] { ++changes; };
    pal->setListIndex(0);
    EXPECT_EQ(pal->text(), "Normal");
    pal->setText("Normal"); // already selected: no click
    pal->setText("Custom");
    EXPECT_EQ(pal->listIndex(), 1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(raisedNumber([&] { pal->setText("Windows"); }), 383);
    EXPECT_EQ(pal->listIndex(), 1);
    EXPECT_EQ(changes, 0);

    auto* fonts = make<ui::ComboBox>("lstFonts");
    fonts->addItem("Impact");
    fonts->onChange = [&] { ++changes; };
    fonts->setText("arial,sans-serif");
    fonts->setText("arial,sans-serif");
    EXPECT_EQ(changes, 1);
    fonts->setListIndex(0); // choosing a row is a click, not a change
    EXPECT_EQ(fonts->text(), "Impact");
    EXPECT_EQ(changes, 1);
    fonts->typeCharacter("!");
    EXPECT_EQ(fonts->text(), "Impact!");
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, ChoosingAnOptionClearsItsGroupOnlyAndRunsClickFromCodeToo) {
    auto* frame = make<ui::Frame>("Frame1");
    std::vector<ui::OptionButton*> options;
    std::vector<int> clicked;
    for (int i = 0; i < 3; ++i) {
        auto* option = make<ui::OptionButton>("optDel", i);
        option->onClick = [&clicked, i] { clicked.push_back(i); };
        options.push_back(option);
    }
    auto* elsewhere = make<ui::OptionButton>("Option1", 0);
    elsewhere->setContainer(frame);
    elsewhere->setValue(true);

    options[0]->setValue(true);
    options[2]->setValue(true);
    options[2]->setValue(true); // chosen again: Click again
    EXPECT_FALSE(options[0]->value());
    EXPECT_FALSE(options[1]->value());
    EXPECT_TRUE(options[2]->value());
    EXPECT_TRUE(elsewhere->value()); // another container, another group
    EXPECT_EQ(clicked, (std::vector<int>{0, 2, 2}));
    options[2]->setValue(false);
    EXPECT_FALSE(options[2]->value());
    EXPECT_EQ(clicked.size(), 3u);
}

TEST_F(ControlsTest, CheckBoxClicksOnlyWhenItsValueChanges) {
    auto* check = make<ui::CheckBox>("Check1");
    int clicks = 0;
    check->onClick = [&] { ++clicks; };
    check->setValue(ui::vbChecked);
    check->setValue(ui::vbChecked);
    check->setValue(ui::vbUnchecked);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(raisedNumber([&] { check->setValue(3); }), 380);
    EXPECT_EQ(check->value(), 0);
}

TEST_F(ControlsTest, HidingOrDisablingAFrameTakesItsContentAwayFromTheUser) {
    auto* frame = make<ui::Frame>("Frame7");
    auto* box = make<ui::TextBox>("txtCharLimit");
    box->setContainer(frame);
    form.show(ui::ShowMode::Modeless);
    driver().setText("txtCharLimit", -1, "12");
    EXPECT_EQ(box->text(), "12");

    frame->setVisible(false);
    EXPECT_TRUE(box->visible());
    EXPECT_FALSE(box->isShown());
    std::string why;
    EXPECT_EQ(raisedNumber([&] { driver().setText("txtCharLimit", -1, "5"); }, &why), 5);
    EXPECT_NE(why.find("hidden"), std::string::npos);
    EXPECT_EQ(raisedNumber([&] { box->setFocus(); }), 5);

    frame->setVisible(true);
    frame->setEnabled(false);
    EXPECT_EQ(raisedNumber([&] { driver().type("txtCharLimit", -1, "5"); }, &why), 5);
    EXPECT_NE(why.find("disabled"), std::string::npos);
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(driver().describeTopmost(), "form frmTest: \"Test\"\n"
                                          "  Frame7 frame: \"\" (disabled)\n"
                                          "  txtCharLimit textbox: \"12\" (disabled)\n");
}

TEST_F(ControlsTest, FileListShowsVisibleFilesAndKeepsItsPathWhenTheNewOneIsMissing) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / "zr_ui_filelist";
    fs::remove_all(root);
    fs::create_directories(root / "images" / "sub");
    for (const char* name : {"logo.gif", "Banner.png", ".hidden", "a.txt"})
        std::ofstream(root / "images" / name) << "x";
    auto* files = make<ui::FileListBox>("File1");
    files->setPath((root / "images").string() + "/");
    EXPECT_EQ(files->path(), (root / "images").string());
    EXPECT_EQ(rowsOf(*files), (Lines{"a.txt", "Banner.png", "logo.gif"}));
    EXPECT_EQ(files->list(3), "");

    EXPECT_EQ(raisedNumber([&] { files->setPath((root / "missing").string()); }), 76);
    EXPECT_EQ(files->path(), (root / "images").string());
    EXPECT_EQ(files->listCount(), 3);
    // A file is no folder to list; a Windows path with "\" finds the folder too.
    EXPECT_EQ(raisedNumber([&] { files->setPath((root / "images" / "a.txt").string()); }), 76);
    EXPECT_EQ(files->path(), (root / "images").string());
    const std::string windowsStyle = sys::FileSystem::windowsPath(root.string()) + "\\images";
    files->setPath(windowsStyle);
    EXPECT_EQ(files->path(), windowsStyle);
    EXPECT_EQ(files->listCount(), 3);
    // Files that come later show after a refresh; the selection does not survive it.
    std::ofstream(root / "images" / "new.gif") << "x";
    files->setListIndex(0);
    files->refresh();
    EXPECT_EQ(rowsOf(*files), (Lines{"a.txt", "Banner.png", "logo.gif", "new.gif"}));
    EXPECT_EQ(files->listIndex(), -1);
    fs::remove_all(root);
}

TEST_F(ControlsTest, CommonDialogAnswersFromTheQueueAndCancelRaisesOnlyWhenAsked) {
    auto* dialog = make<ui::CommonDialog>("MColors");
    EXPECT_FALSE(dialog->visible());
    dialog->setCancelError(ui::CancelError::Yes);
    dialog->setInitDir("C:\\inst");
    dialog->setDialogTitle("Save Palette As...");
    driver().queueFileChoice("PAL.AXP");
    dialog->showSave();
    EXPECT_EQ(dialog->fileName(), "C:\\inst\\PAL.AXP");

    driver().queueColour(0x00FF00);
    dialog->showColor();
    EXPECT_EQ(dialog->color(), 0x00FF00);
    // It opens on the colour it holds only when asked to; else on black.
    driver().queueColour(0x0000FF);
    dialog->showColor();
    dialog->setFlags(ui::cdlCCRGBInit);

    std::string why;
    driver().queueDialogCancel();
    EXPECT_EQ(raisedNumber([&] { dialog->showOpen(); }, &why), 32755);
    EXPECT_EQ(why, "Cancel was selected.");
    EXPECT_EQ(raisedNumber([&] { dialog->showColor(); }), 32755); // nothing queued: cancel
    driver().queueFileChoice("x.axp"); // a file for a colour dialog does not fit: cancel
    EXPECT_EQ(raisedNumber([&] { dialog->showColor(); }), 32755);
    EXPECT_EQ(dialog->color(), 0x0000FF);

    dialog->setCancelError(ui::CancelError::No);
    dialog->showOpen();
    EXPECT_EQ(dialog->fileName(), "C:\\inst\\PAL.AXP");
    EXPECT_EQ(lines(), (Lines{"save [Save Palette As...]:  -> C:\\inst\\PAL.AXP",
                              "color: #000000 -> #00FF00", "color: #000000 -> #FF0000",
                              "open [Save Palette As...]: C:\\inst\\PAL.AXP -> (cancelled)",
                              "color: #FF0000 -> (cancelled)", "color: #FF0000 -> (cancelled)",
                              "open [Save Palette As...]: C:\\inst\\PAL.AXP -> (cancelled)"}));
}

TEST(PropertyBag, ValuesEqualToTheirDefaultAreNotStored) {
    ui::PropertyBag bag;
    bag.writeProperty("BackColor", int32_t(0x80000005), int32_t(0x80000005));
    bag.writeProperty("HTMLColor", std::string(), std::monostate{});
    bag.writeProperty("Font", ui::Font{"Arial", 10, true}, std::monostate{});
    EXPECT_FALSE(bag.contains("BackColor"));
    EXPECT_TRUE(bag.contains("HTMLColor")); // an empty text is not "nothing"
    EXPECT_EQ(std::get<ui::Font>(bag.readProperty("Font", std::monostate{})).name, "Arial");
    EXPECT_EQ(std::get<int32_t>(bag.readProperty("Palette", int32_t(11))), 11);
    bag.writeProperty("HTMLColor", std::string("#000000"), std::string("#000000"));
    EXPECT_FALSE(bag.contains("HTMLColor")); // writing the default drops a stored value
}

} // namespace
