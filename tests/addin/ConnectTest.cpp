#include "addin/Connect.h"
#include "addin/Dialogs.h"
#include "addin/ProjectGlobals.h"
#include "platform/dom/Document.h"
#include "platform/editor/Application.h"
#include "platform/editor/CommandBars.h"
#include "platform/editor/PageWindow.h"
#include "platform/sys/App.h"
#include "platform/sys/Clock.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Shell.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using zirirur::Connect;

const std::vector<std::pair<std::string, int>> FreshMenu = {
    {"Add Form To Favourites", 137},  {"Insert Form From Favourites", 139},
    {"Remove Form/Form Parts", 1786}, {"Quick Form Components", 240},
    {"Form Field Manager", 46},       {"Insert Form Radio Group", 446},
    {"About Zirirur", 487},           {"Zirirur Help", 49},
};

const char* const NoPageLine =
    "msgbox [Zirirur] information: You must have a page open/saved. -> OK";

std::shared_ptr<editor::CommandBarControl> tools(editor::Application& app) {
    return app.commandBars().item("Menu Bar").controls().item("Tools");
}

// The Zirirur popups under Tools.
std::vector<std::shared_ptr<editor::CommandBarControl>> zirirurPopups(editor::Application& app) {
    std::vector<std::shared_ptr<editor::CommandBarControl>> found;
    for (const auto& control : tools(app)->controls().items())
        if (control->caption() == "Zirirur")
            found.push_back(control);
    return found;
}

std::vector<std::pair<std::string, int>> buttonsOf(editor::CommandBarControl& popup) {
    std::vector<std::pair<std::string, int>> buttons;
    for (const auto& button : popup.controls().items())
        buttons.emplace_back(button->caption(), button->faceId());
    return buttons;
}

class ConnectTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("ZIRIRUR_NO_SHELL", "1", 1);
        sys::App::setPath(sys::FileSystem::windowsPath(ZIRIRUR_INSTALL_DIR));
        sys::Clock::useVirtualTime();
        sys::Shell::clearRequests();
        driver().reset();
        driver().setActionSource([this]() -> std::optional<ui::Driver::Action> {
            if (m_actions.empty())
                return std::nullopt;
            ui::Driver::Action next = std::move(m_actions.front());
            m_actions.pop_front();
            return next;
        });
        m_dir = fs::temp_directory_path() /
                ("zirirur-connect-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        driver().setActionSource(nullptr);
        driver().reset();
        zirirur::FPApp = nullptr;
        fs::remove_all(m_dir);
    }

    static ui::Driver& driver() { return ui::Driver::instance(); }

    // What the user does while a dialog waits, in order.
    void then(ui::Driver::Action action) { m_actions.push_back(std::move(action)); }

    std::string writePage(const std::string& html) {
        const fs::path page = m_dir / "page.htm";
        std::ofstream(page, std::ios::binary) << html;
        return page.string();
    }

    // The add-in connected to the editor as at the editor's start.
    void start() { m_connect.OnConnection(m_app, editor::ConnectMode::Startup, "Zirirur.Connect"); }

    void click(const std::string& caption) {
        zirirurPopups(m_app).at(0)->controls().item(caption)->execute();
    }

    std::vector<std::string> transcript() const { return driver().transcript(); }

    std::deque<ui::Driver::Action> m_actions;
    fs::path m_dir;
    editor::Application m_app;
    Connect m_connect;
};

TEST_F(ConnectTest, FreshEditorGetsTheSubmenuFirstUnderToolsWithEightCommandsInOrder) {
    const int editorControls = tools(m_app)->controls().count();
    start();

    EXPECT_EQ(zirirur::FPApp, &m_app);
    EXPECT_EQ(m_connect.boundDocument(), nullptr); // no page was open at connection
    auto popups = zirirurPopups(m_app);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(tools(m_app)->controls().item(1), popups[0]);
    EXPECT_EQ(popups[0]->type(), editor::msoControlPopup);
    EXPECT_EQ(tools(m_app)->controls().count(), editorControls + 1);
    EXPECT_EQ(buttonsOf(*popups[0]), FreshMenu);
    for (const auto& button : popups[0]->controls().items()) {
        EXPECT_EQ(button->type(), editor::msoControlButton);
        EXPECT_EQ(button->style(), editor::msoButtonIconAndCaption);
        EXPECT_TRUE(button->visible());
        EXPECT_FALSE(button->beginGroup());
        EXPECT_EQ(button->lifetime(), editor::Lifetime::Stored);
    }
    EXPECT_EQ(popups[0]->lifetime(), editor::Lifetime::Stored);

    // Connecting twice binds each button once.
    m_connect.OnConnection(m_app, editor::ConnectMode::AfterStartup, "Zirirur.Connect");
    EXPECT_EQ(zirirurPopups(m_app), popups);
    EXPECT_EQ(buttonsOf(*popups[0]), FreshMenu);
    click("Add Form To Favourites");
    EXPECT_EQ(transcript(), std::vector<std::string>{NoPageLine});
    m_connect.OnDisconnection(editor::DisconnectMode::HostShutdown);
    EXPECT_TRUE(zirirurPopups(m_app).empty());
}

TEST_F(ConnectTest, ConnectionBindsThePageOpenThenAndToolsOpenTheirDialogs) {
    m_app.openPage(writePage("<html><body><form><input name=a></form></body></html>"));
    start();
    const auto bound = m_connect.boundDocument();
    EXPECT_EQ(bound, m_app.activeDocument());
    click("Insert Form Radio Group");
    // The caret lies in no form: the group needs none, the removal does.
    click("Remove Form/Form Parts");
    EXPECT_EQ(transcript(),
              (std::vector<std::string>{
                  "form shown:  Radio Button Group", "form closed:  Radio Button Group",
                  "msgbox [Zirirur] exclamation: You must have your cursor in a form -> OK"}));

    // A page opened later is not followed.
    m_app.newPage("<html><body></body></html>");
    EXPECT_EQ(m_connect.boundDocument(), bound);
    EXPECT_FALSE(m_connect.FPE_onbeforeupdate());

    m_connect.OnDisconnection(editor::DisconnectMode::UserClosed);
    EXPECT_EQ(m_connect.boundDocument(), nullptr);
    EXPECT_EQ(zirirur::FPApp, nullptr);
}

// Each tool's answer with no page open is the host's transcript; a page window whose page is
// not ready counts as no page, for the favourites too.
TEST_F(ConnectTest, APageThatIsNotReadyCountsAsNoPage) {
    start();
    m_app.openPage(writePage("<html><body></body></html>"));
    m_app.activePageWindow()->setPageState(editor::pageLoading);
    click("Form Field Manager");
    click("Insert Form From Favourites");
    EXPECT_EQ(transcript(), std::vector<std::string>{NoPageLine});
    EXPECT_FALSE(zirirur::Dialogs::exists(zirirur::ToolDialog::frmInsertForm));
}

TEST_F(ConnectTest, TheSameDialogInstanceIsShownAgainAndLoadedAfresh) {
    start();
    then([] { driver().closeTopmost(); });
    click("About Zirirur");
    ui::Form* first = zirirur::Dialogs::instance(zirirur::ToolDialog::AboutTools1);
    EXPECT_FALSE(first->isLoaded());

    bool loadedAgain = false;
    then([&] { loadedAgain = driver().topmostForm() == first && first->isLoaded(); });
    then([] { driver().click("Command1"); });
    click("About Zirirur");
    EXPECT_TRUE(loadedAgain);
    EXPECT_EQ(zirirur::Dialogs::instance(zirirur::ToolDialog::AboutTools1), first);
    EXPECT_EQ(transcript().size(), 4u);
}

TEST_F(ConnectTest, DisconnectionRemovesTheSubmenuAndASecondConnectionBuildsItAgain) {
    const int editorControls = tools(m_app)->controls().count();
    start();
    auto oldHelp = zirirurPopups(m_app).at(0)->controls().item("Zirirur Help");

    m_connect.OnDisconnection(editor::DisconnectMode::UserClosed);
    EXPECT_TRUE(zirirurPopups(m_app).empty());
    EXPECT_EQ(zirirur::FPApp, nullptr);
    EXPECT_FALSE(oldHelp->attached());

    m_connect.OnConnection(m_app, editor::ConnectMode::AfterStartup, "Zirirur.Connect");
    auto popups = zirirurPopups(m_app);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(buttonsOf(*popups[0]), FreshMenu);
    click("Zirirur Help");
    ASSERT_EQ(sys::Shell::requests().size(), 1u);
    EXPECT_TRUE(sys::FileSystem::fileExists(sys::Shell::requests()[0])) << "the help page";

    // Disconnecting when the submenu is already gone deletes nothing and still lets go.
    popups[0]->deleteControl();
    m_connect.OnDisconnection(editor::DisconnectMode::UserClosed);
    EXPECT_EQ(zirirur::FPApp, nullptr);
    EXPECT_EQ(tools(m_app)->controls().count(), editorControls);
}

TEST_F(ConnectTest, StoredSubmenuIsBoundAgainKeepingItsButtonsAndAddingMissingOnesOnTop) {
    const std::string layout = (m_dir / "commandbars").string();
    {
        // An editor that ends without disconnecting the add-in keeps its submenu.
        editor::Application app;
        app.commandBars().loadLayout(layout);
        Connect connect;
        connect.OnConnection(app, editor::ConnectMode::Startup, "Zirirur.Connect");
        // The user dropped one command and recoloured another before the crash.
        zirirurPopups(app).at(0)->controls().item("Quick Form Components")->deleteControl();
        zirirurPopups(app).at(0)->controls().item("Zirirur Help")->setFaceId(1000);
    }

    ASSERT_EQ(m_app.commandBars().loadLayout(layout), editor::LayoutLoad::Loaded);
    start();
    auto popups = zirirurPopups(m_app);
    ASSERT_EQ(popups.size(), 1u);
    const std::vector<std::pair<std::string, int>> expected = {{"Quick Form Components", 240},
                                                               {"Add Form To Favourites", 137},
                                                               {"Insert Form From Favourites", 139},
                                                               {"Remove Form/Form Parts", 1786},
                                                               {"Form Field Manager", 46},
                                                               {"Insert Form Radio Group", 446},
                                                               {"About Zirirur", 487},
                                                               {"Zirirur Help", 1000}};
    EXPECT_EQ(buttonsOf(*popups[0]), expected);

    // The stored buttons answer their clicks again, each once.
    click("Zirirur Help");
    click("Form Field Manager");
    EXPECT_EQ(sys::Shell::requests().size(), 1u);
    EXPECT_EQ(transcript(), std::vector<std::string>{NoPageLine});
}

TEST_F(ConnectTest, ReleasedButtonsNoLongerReachTheAddIn) {
    std::shared_ptr<editor::CommandBarControl> help;
    {
        Connect connect;
        connect.OnConnection(m_app, editor::ConnectMode::Startup, "Zirirur.Connect");
        help = zirirurPopups(m_app).at(0)->controls().item("Zirirur Help");
        // The add-in object goes away without a disconnection (the editor's end).
    }
    help->execute();
    EXPECT_TRUE(sys::Shell::requests().empty());
    ASSERT_EQ(zirirurPopups(m_app).size(), 1u); // the submenu itself stays
}

} // namespace
