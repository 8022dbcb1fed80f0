#include "platform/editor/CommandBars.h"
#include "ScratchFolder.h"
#include "platform/editor/MenuLayout.h"
#include "platform/sys/Error.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

using editor::CommandBarControl;
using editor::CommandBars;
using editor::LayoutLoad;
using editor::msoButtonIconAndCaption;
using editor::msoControlButton;
using editor::msoControlPopup;

namespace {

std::vector<std::string> captionsOf(editor::CommandBarControls& controls) {
    std::vector<std::string> captions;
    for (int i = 1; i <= controls.count(); ++i)
        captions.push_back(controls.item(i)->caption());
    return captions;
}

// What an add-in does at its connection: a stored popup at the top of Tools, with buttons,
// each new one put first.
std::shared_ptr<CommandBarControl> addSubmenu(CommandBars& bars) {
    auto tools = bars.item("Menu Bar").controls().item("Tools");
    auto popup = tools->controls().add(msoControlPopup, 0, "", 1, false);
    popup->setCaption("Zirirur");
    for (auto [caption, faceId] :
         {std::pair{"Zirirur Help", 49}, {"About Zirirur", 487}, {"Form Field Manager", 46}}) {
        auto button = popup->controls().add(msoControlButton, 0, "", 1, false);
        button->setBeginGroup(false);
        button->setStyle(msoButtonIconAndCaption);
        button->setCaption(caption);
        button->setVisible(true);
        button->setFaceId(faceId);
    }
    return popup;
}

} // namespace

TEST(CommandBars, TheEditorsOwnMenusAreThere) {
    CommandBars bars;
    auto& menuBar = bars.item("Menu Bar");
    EXPECT_EQ(menuBar.name(), "Menu Bar");
    EXPECT_EQ(captionsOf(menuBar.controls()), (std::vector<std::string>{"Insert", "Tools"}));
    EXPECT_EQ(captionsOf(bars.item("Insert").controls()),
              (std::vector<std::string>{"Hyperlink..."}));
    EXPECT_EQ(captionsOf(bars.item("Tools").controls()),
              (std::vector<std::string>{"Spelling...", "Options..."}));
    // A menu's bar is the popup's controls, not a copy.
    EXPECT_EQ(&bars.item("Tools").controls(), &menuBar.controls().item("Tools")->controls());
    EXPECT_EQ(errorNumberOf([&] { bars.item("Nonexistent"); }), sys::ErrInvalidCall);
}

TEST(CommandBars, ControlsAreFoundByExactCaptionAndByPlace) {
    CommandBars bars;
    auto& tools = bars.item("Menu Bar").controls().item("Tools")->controls();
    EXPECT_EQ(tools.item("Spelling...")->caption(), "Spelling...");
    EXPECT_EQ(errorNumberOf([&] { tools.item("spelling..."); }), sys::ErrInvalidCall);
    EXPECT_EQ(errorNumberOf([&] { tools.item("Zirirur"); }), sys::ErrInvalidCall);

    auto first = tools.add(msoControlButton, 0, "", 1, true);
    first->setCaption("First");
    auto last = tools.add(msoControlButton);
    last->setCaption("Last");
    auto middle = tools.add(msoControlButton, 0, "", 3, true);
    middle->setCaption("Middle");
    EXPECT_EQ(captionsOf(tools),
              (std::vector<std::string>{"First", "Spelling...", "Middle", "Options...", "Last"}));
    EXPECT_EQ(tools.item(1), first);
    EXPECT_EQ(errorNumberOf([&] { tools.item(0); }), sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { tools.item(6); }), sys::ErrSubscript);
    EXPECT_EQ(errorNumberOf([&] { tools.add(msoControlButton, 0, "", 7); }), sys::ErrInvalidCall);
    EXPECT_EQ(errorNumberOf([&] { tools.add(4); }), sys::ErrInvalidCall);
    EXPECT_EQ(tools.count(), 5);
}

TEST(CommandBars, SettingsOfButtonsAndPopups) {
    CommandBars bars;
    auto popup = addSubmenu(bars);
    auto& buttons = popup->controls();
    EXPECT_EQ(captionsOf(buttons),
              (std::vector<std::string>{"Form Field Manager", "About Zirirur", "Zirirur Help"}));
    auto button = buttons.item("About Zirirur");
    EXPECT_EQ(errorNumberOf([&] { button->controls(); }), sys::ErrNoSuchProperty);
    EXPECT_EQ(errorNumberOf([&] { button->setStyle(9); }), sys::ErrInvalidCall);
    // A popup has no icon and no button style.
    EXPECT_EQ(errorNumberOf([&] { popup->setFaceId(123); }), sys::ErrNoSuchProperty);
    EXPECT_EQ(errorNumberOf([&] { popup->setStyle(3); }), sys::ErrNoSuchProperty);
    EXPECT_EQ(popup->faceId(), 0);
}

TEST(CommandBars, DeleteRemovesAControlWithItsChildren) {
    CommandBars bars;
    auto popup = addSubmenu(bars);
    auto help = popup->controls().item("Zirirur Help");
    auto& tools = bars.item("Tools").controls();
    ASSERT_EQ(tools.count(), 3);

    popup->deleteControl();
    EXPECT_EQ(captionsOf(tools), (std::vector<std::string>{"Spelling...", "Options..."}));
    // Those still holding the controls find them detached; nothing is left half-alive.
    EXPECT_FALSE(popup->attached());
    EXPECT_FALSE(help->attached());
    EXPECT_NE(errorNumberOf([&] { popup->deleteControl(); }), 0);
    EXPECT_NE(errorNumberOf([&] { help->deleteControl(); }), 0);
    EXPECT_NE(errorNumberOf([&] { help->execute(); }), 0);
    EXPECT_NE(errorNumberOf([&] { help->setCaption("x"); }), 0);
    EXPECT_NE(errorNumberOf([&] { popup->controls(); }), 0);
    EXPECT_EQ(help->caption(), "Zirirur Help");

    // A deleted menu is no bar any more.
    bars.item("Menu Bar").controls().item("Insert")->deleteControl();
    EXPECT_EQ(errorNumberOf([&] { bars.item("Insert"); }), sys::ErrInvalidCall);
}

TEST(CommandBars, ClickReachesEverySinkAndCancelDefaultStopsTheEditorsCommand) {
    CommandBars bars;
    int spellings = 0;
    bars.setBuiltInAction(editor::cmdSpelling, [&] { ++spellings; });
    auto spelling = bars.item("Tools").controls().item("Spelling...");

    spelling->execute();
    EXPECT_EQ(spellings, 1);

    std::vector<std::string> heard;
    int first = spelling->bindClick([&](CommandBarControl& control, bool& cancelDefault) {
        heard.push_back("first " + control.caption());
        cancelDefault = true;
    });
    spelling->bindClick([&](CommandBarControl&, bool& cancelDefault) {
        heard.push_back(cancelDefault ? "second sees cancel" : "second");
    });
    spelling->execute();
    EXPECT_EQ(heard, (std::vector<std::string>{"first Spelling...", "second sees cancel"}));
    EXPECT_EQ(spellings, 1);

    spelling->unbindClick(first);
    heard.clear();
    spelling->execute();
    EXPECT_EQ(heard, (std::vector<std::string>{"second"}));
    EXPECT_EQ(spellings, 2);

    // A button of the add-in with no sink: a click does nothing.
    auto button = bars.item("Tools").controls().add(msoControlButton, 0, "", 0, true);
    EXPECT_NO_THROW(button->execute());

    // A sink may delete its own button during the click.
    int later = 0;
    button->bindClick([&](CommandBarControl& control, bool&) { control.deleteControl(); });
    button->bindClick([&](CommandBarControl&, bool&) { ++later; });
    EXPECT_NO_THROW(button->execute());
    EXPECT_EQ(later, 1);
    EXPECT_FALSE(button->attached());
}

TEST(CommandBars, StoredControlsComeBackAfterAnEndWithoutDisconnection) {
    ScratchFolder state;
    std::string file = state.path("menus.txt");
    {
        CommandBars bars;
        EXPECT_EQ(bars.loadLayout(file), LayoutLoad::Fresh);
        addSubmenu(bars);
        auto temporary = bars.item("Tools").controls().add(msoControlButton, 0, "", 1, true);
        temporary->setCaption("Temporary Tool");
        // A temporary popup takes its stored-looking children with it.
        auto temporaryPopup = bars.item("Tools").controls().add(msoControlPopup, 0, "", 0, true);
        temporaryPopup->setCaption("Temporary Menu");
        temporaryPopup->controls().add(msoControlButton)->setCaption("Inside");
        bars.item("Tools")
            .controls()
            .item("Zirirur")
            ->controls()
            .item("About Zirirur")
            ->setVisible(false);
        // The editor ends here without anyone deleting the submenu: no save at exit.
    }
    CommandBars next;
    EXPECT_EQ(next.loadLayout(file), LayoutLoad::Loaded);
    auto& tools = next.item("Tools").controls();
    EXPECT_EQ(captionsOf(tools),
              (std::vector<std::string>{"Zirirur", "Spelling...", "Options..."}));
    auto& buttons = tools.item("Zirirur")->controls();
    EXPECT_EQ(captionsOf(buttons),
              (std::vector<std::string>{"Form Field Manager", "About Zirirur", "Zirirur Help"}));
    EXPECT_EQ(buttons.item(1)->faceId(), 46);
    EXPECT_EQ(buttons.item(2)->faceId(), 487);
    EXPECT_FALSE(buttons.item(2)->visible());
    EXPECT_EQ(buttons.item(3)->faceId(), 49);
    EXPECT_EQ(buttons.item(3)->style(), msoButtonIconAndCaption);

    // The editor's own commands still work after a reload.
    int hyperlinks = 0;
    next.setBuiltInAction(editor::cmdHyperlink, [&] { ++hyperlinks; });
    next.item("Insert").controls().item("Hyperlink...")->execute();
    EXPECT_EQ(hyperlinks, 1);

    // Deleting the submenu is stored too.
    tools.item("Zirirur")->deleteControl();
    CommandBars third;
    EXPECT_EQ(third.loadLayout(file), LayoutLoad::Loaded);
    EXPECT_EQ(captionsOf(third.item("Tools").controls()),
              (std::vector<std::string>{"Spelling...", "Options..."}));
}

TEST(CommandBars, ADamagedLayoutFileLeavesTheEditorsOwnMenus) {
    ScratchFolder state;
    CommandBars bars;
    bars.loadLayout(state.path("menus.txt"));
    auto popup = addSubmenu(bars);
    popup->setCaption("Tab\there\\and\nline");
    std::string good = state.read("menus.txt");

    CommandBars reread;
    ASSERT_EQ(reread.loadLayout(state.path("menus.txt")), LayoutLoad::Loaded);
    EXPECT_EQ(reread.item("Tools").controls().item(1)->caption(), "Tab\there\\and\nline");

    for (std::string damaged : {std::string("garbage"), good.substr(0, good.size() / 2),
                                good.substr(0, good.size() - 4), std::string()}) {
        state.write("damaged.txt", damaged);
        CommandBars fresh;
        EXPECT_EQ(fresh.loadLayout(state.path("damaged.txt")), LayoutLoad::Damaged);
        EXPECT_EQ(captionsOf(fresh.item("Tools").controls()),
                  (std::vector<std::string>{"Spelling...", "Options..."}));
    }
    // A control nested under a button cannot be.
    std::string nested = "editor menu layout 1\nbar\tMenu Bar\ncontrol\t1\t1\t0\t0\t0\t0\t1\t\tA\n"
                         "control\t2\t1\t0\t0\t0\t0\t1\t\tB\nend\n";
    state.write("nested.txt", nested);
    CommandBars fresh;
    EXPECT_EQ(fresh.loadLayout(state.path("nested.txt")), LayoutLoad::Damaged);

    // Popups nested deeper than any menu: the deepest real one is read, one level more is not.
    auto popups = [](int depth) {
        std::string text = "editor menu layout 1\nbar\tMenu Bar\n";
        for (int level = 1; level <= depth; ++level)
            text += "control\t" + std::to_string(level) + "\t10\t0\t0\t0\t0\t1\t\tP\n";
        return text + "end\n";
    };
    state.write("deepest.txt", popups(editor::MenuLayout::kDeepestNesting));
    CommandBars deepest;
    EXPECT_EQ(deepest.loadLayout(state.path("deepest.txt")), LayoutLoad::Loaded);
    for (int depth : {editor::MenuLayout::kDeepestNesting + 1, 50000}) {
        state.write("deeper.txt", popups(depth));
        CommandBars deeper;
        EXPECT_EQ(deeper.loadLayout(state.path("deeper.txt")), LayoutLoad::Damaged);
        EXPECT_EQ(captionsOf(deeper.item("Tools").controls()),
                  (std::vector<std::string>{"Spelling...", "Options..."}));
    }
}

TEST(CommandBars, ControlsOutliveTheirBars) {
    std::shared_ptr<CommandBarControl> kept;
    std::shared_ptr<CommandBarControl> child;
    {
        CommandBars bars;
        kept = addSubmenu(bars);
        child = kept->controls().item(1);
    }
    EXPECT_FALSE(kept->attached());
    EXPECT_FALSE(child->attached());
    EXPECT_NE(errorNumberOf([&] { child->execute(); }), 0);
    EXPECT_NE(errorNumberOf([&] { kept->deleteControl(); }), 0);
}
