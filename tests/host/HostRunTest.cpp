// Runs the built host program as a person would, with scripts and golden transcripts.
// ZIRIRUR_UPDATE_GOLDEN=1 rewrites the golden files when a change of the transcript is intended.

#include "platform/sys/FileSystem.h"
#include "platform/sys/Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string Golden = std::string(ZIRIRUR_TESTS_DIR) + "/host/golden/";
const std::string Scripts = std::string(ZIRIRUR_TESTS_DIR) + "/host/scripts/";
const std::string DemoDir = std::string(ZIRIRUR_SOURCE_DIR) + "/host/demo/";
const char* const AddinsKey = "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\FrontPage\\Addins";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string quoted(const std::string& word) {
    std::string out = "'";
    for (char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

struct HostRun {
    int status = -1;
    std::string out;
    std::string err;
};

class HostRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("zirirur-host-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "state");
        fs::copy(DemoDir + "web", m_dir / "web", fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path state() const { return m_dir / "state"; }
    fs::path page() const { return m_dir / "web" / "index.htm"; }

    // Runs the host with a script given as text; the state folder of this test unless told.
    HostRun run(std::vector<std::string> args, const std::string& script) {
        const fs::path scriptFile = m_dir / ("script" + std::to_string(++m_runs) + ".zs");
        writeFile(scriptFile, script);
        args.push_back(scriptFile.string());
        return runArgs(args);
    }

    HostRun runArgs(const std::vector<std::string>& args) {
        std::string command = "cd " + quoted(m_dir.string()) + " && ZIRIRUR_NO_SHELL=1 " +
                              quoted(ZIRIRUR_HOST_BINARY);
        bool hasState = false;
        for (const std::string& arg : args) {
            command += " " + quoted(arg);
            hasState = hasState || arg == "--state";
        }
        if (!hasState)
            command += " --state " + quoted(state().string());
        command += " </dev/null >out.txt 2>err.txt";
        HostRun result;
        const int raw = std::system(command.c_str());
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = readFile(m_dir / "out.txt");
        result.err = readFile(m_dir / "err.txt");
        // The installation folder is wherever the checkout is.
        const std::string install = sys::FileSystem::windowsPath(ZIRIRUR_INSTALL_DIR);
        std::string quotedInstall;
        for (char c : install)
            quotedInstall += c == '\\' ? std::string("\\\\") : std::string(1, c);
        replaceAll(result.out, install, "<install>");
        replaceAll(result.out, quotedInstall, "<install>");
        return result;
    }

    void expectGolden(const std::string& name, const std::string& transcript) {
        const std::string file = Golden + name + ".txt";
        if (std::getenv("ZIRIRUR_UPDATE_GOLDEN") != nullptr) {
            writeFile(file, transcript);
            return;
        }
        EXPECT_EQ(transcript, readFile(file)) << "golden file " << file;
    }

    fs::path m_dir;
    int m_runs = 0;
};

TEST_F(HostRunTest, DemoShowsTheMenuTheAboutBoxTheHelpPageAndAStatusText) {
    HostRun result = run(
        {"--web", "web", "--page", "web/index.htm", "--cursor", "FullName", "--out", "saved.htm"},
        readFile(DemoDir + "demo.zs"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    expectGolden("demo", result.out);
    // The status text reached the field and its script the head; saving what was saved
    // changes nothing further.
    const std::string saved = readFile(m_dir / "saved.htm");
    EXPECT_NE(saved.find("onfocus=\"ZirirurStatus('Please give your full name');\" "
                         "onblur=\"ZirirurStatus(' ');\""),
              std::string::npos);
    EXPECT_LT(saved.find("id=\"VQRStatus\""), saved.find("</HEAD>"));
    HostRun again = run({"--page", "saved.htm", "--out", "again.htm"}, "");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(readFile(m_dir / "again.htm"), saved);
}

TEST_F(HostRunTest, WithoutAPageToolsSayWhatTheyNeedWhileAboutAndHelpWork) {
    HostRun result = run({}, readFile(Scripts + "no-page.zs"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    expectGolden("no-page", result.out);
}

TEST_F(HostRunTest, AnEditorEndingWithoutDisconnectionFindsItsSubmenuAgain) {
    HostRun first = run({"--no-disconnect"}, "print-menu\n");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_NE(readFile(state() / "commandbars").find("Zirirur Help"), std::string::npos);
    HostRun second = run({}, "print-menu\nmenu Zirirur Help\nmenu Form Field Manager\n");
    EXPECT_EQ(second.status, 0) << second.err;
    // One submenu, its buttons in their order, and they answer clicks again.
    expectGolden("restart", second.out);
    EXPECT_EQ(first.out + "shell open: <install>\\Help\\index.htm\n"
                          "msgbox [Zirirur] information: You must have a page open/saved. -> OK\n",
              second.out);
}

TEST_F(HostRunTest, DisconnectionTakesTheSubmenuAwayAndTheNextStartBuildsItAgain) {
    HostRun first = run({}, "print-menu\n");
    EXPECT_EQ(first.status, 0) << first.err;
    const std::string fresh = first.out;
    ASSERT_NE(fresh.find("  Zirirur (popup)\n"), std::string::npos) << fresh;
    EXPECT_EQ(readFile(state() / "commandbars").find("Zirirur"), std::string::npos);

    // The stored menu no longer holds the submenu: without the add-in, Tools has none.
    fs::copy(state(), m_dir / "bare-state", fs::copy_options::recursive);
    fs::remove(m_dir / "bare-state" / "registry");
    HostRun bare =
        run({"--state", (m_dir / "bare-state").string(), "--no-auto-register"}, "print-menu\n");
    EXPECT_EQ(bare.out.find("Zirirur"), std::string::npos) << bare.out;

    HostRun second = run({}, "print-menu\n");
    EXPECT_EQ(second.out, fresh);
}

TEST_F(HostRunTest, WithNoAddInRegisteredThereIsNoSubmenuAndTheHostSaysSo) {
    HostRun result = run({"--no-auto-register"}, "print-menu\nmenu About Zirirur\nprint-menu\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("zirirur: no add-in is registered for the editor\n"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("script line 2 (menu): the Tools menu has no \"Zirirur\" submenu"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.out.find("Zirirur"), std::string::npos);
    EXPECT_EQ(result.out.substr(0, 6), "Tools\n");
    // The menu was printed twice: the run went on after the failing line.
    EXPECT_EQ(result.out.find("Tools\n", 1) != std::string::npos, true);
    EXPECT_FALSE(fs::exists(state() / "registry") &&
                 sys::Registry((state() / "registry").string()).keyExists(AddinsKey));
}

TEST_F(HostRunTest, TheAddInIsLoadedThroughItsRegistration) {
    // The first run registers the library of this build.
    HostRun first = run({}, "");
    EXPECT_EQ(first.status, 0) << first.err;
    sys::Registry registry((state() / "registry").string());
    const std::string addin = std::string(AddinsKey) + "\\Zirirur.Connect";
    EXPECT_EQ(registry.number(addin, "LoadBehavior"), 3u);
    EXPECT_EQ(registry.text(addin, "FriendlyName"), "Dedarav Zirirur");
    const std::string classId = registry.text("HKEY_CLASSES_ROOT\\Zirirur.Connect\\CLSID", "");
    const std::string server = "HKEY_CLASSES_ROOT\\CLSID\\" + classId + "\\InprocServer32";
    EXPECT_EQ(fs::canonical(registry.text(server, "")), fs::canonical(ZIRIRUR_ADDIN_LIBRARY));

    // Point the registration at a library that is not there: nothing loads, nothing crashes,
    // and the host does not register another library over the user's entry.
    registry.setText(server, "", (m_dir / "gone" / "zirirur_addin.so").string());
    HostRun stale = run({}, "print-menu\n");
    EXPECT_EQ(stale.status, 0);
    EXPECT_NE(stale.err.find("add-in Zirirur.Connect:"), std::string::npos) << stale.err;
    EXPECT_EQ(stale.out.find("Zirirur"), std::string::npos);

    // A load behaviour other than 3 is not loaded at the start.
    registry.setText(server, "", ZIRIRUR_ADDIN_LIBRARY);
    registry.setNumber(addin, "LoadBehavior", 0);
    HostRun off = run({}, "print-menu\n");
    EXPECT_EQ(off.err, "");
    EXPECT_EQ(off.out.find("Zirirur"), std::string::npos);
}

TEST_F(HostRunTest, ADamagedRegistryIsReportedAndTheEditorStillRuns) {
    writeFile(state() / "registry", "this is not a registry\n");
    HostRun result = run({"--page", "web/index.htm", "--out", "saved.htm"}, "print-menu\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("the add-ins cannot be loaded"), std::string::npos) << result.err;
    EXPECT_EQ(result.out.substr(0, 6), "Tools\n");
    EXPECT_TRUE(fs::exists(m_dir / "saved.htm"));
}

TEST_F(HostRunTest, ABadScriptLineRunsNothingAndSavesNothing) {
    std::string script;
    for (int line = 1; line < 30; ++line)
        script += line % 2 ? "print-menu\n" : "# comment\n";
    script += "click Command1 extra\n";
    const std::string before = readFile(page());
    HostRun result = run({"--page", "web/index.htm", "--out", "saved.htm"}, script);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(":30: usage: click CONTROL"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(m_dir / "saved.htm"));
    EXPECT_EQ(readFile(page()), before);
    EXPECT_FALSE(fs::exists(state() / "registry")); // not even the editor started
}

TEST_F(HostRunTest, AFailingActionIsReportedWithItsLineAndTheRunGoesOn) {
    HostRun result =
        run({"--page", "web/index.htm", "--out", "saved.htm"}, "menu About Zirirur\n"
                                                               "click NoSuchButton\n"
                                                               "set Label18 text\n"
                                                               "click Command1\n"
                                                               "close\n"
                                                               "menu No Such Command\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "form shown: About Zirirur From Dedarav.\n"
                          "form closed: About Zirirur From Dedarav.\n");
    EXPECT_NE(result.err.find("zirirur: script line 2 (click): "), std::string::npos);
    EXPECT_NE(result.err.find("zirirur: script line 3 (set): "), std::string::npos);
    EXPECT_NE(result.err.find("zirirur: script line 5 (close): no form is open"),
              std::string::npos);
    EXPECT_NE(result.err.find("script line 6 (menu): the Zirirur submenu has no "
                              "\"No Such Command\""),
              std::string::npos)
        << result.err;
    EXPECT_TRUE(fs::exists(m_dir / "saved.htm"));
}

TEST_F(HostRunTest, AToolOpensItsDialogOnlyWithAPageOpen) {
    HostRun result = run({"--page", "web/index.htm", "--cursor", "Email", "--out", "saved.htm"},
                         "menu Form Field Manager\nclose\nmenu Insert Form From Favourites\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("form shown: ", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("Form Fields Manager\nform closed: "), std::string::npos)
        << result.out;
    EXPECT_EQ(result.out.find("You must have a page open/saved."), std::string::npos);
}

TEST_F(HostRunTest, DialogsLeftOpenAtTheEndCloseByTheirCloseBox) {
    HostRun result = run({}, "menu About Zirirur\nshow\n");
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string shown = "form shown: About Zirirur From Dedarav.\n";
    const std::string closed = "form closed: About Zirirur From Dedarav.\n";
    EXPECT_EQ(result.out.substr(0, shown.size()), shown);
    ASSERT_GT(result.out.size(), closed.size());
    EXPECT_EQ(result.out.substr(result.out.size() - closed.size()), closed);
    EXPECT_NE(result.out.find("Label18"), std::string::npos);
}

TEST_F(HostRunTest, ThePageIsSavedWhereAskedAndOnlyThere) {
    // The page as the editor writes it when nothing changed.
    HostRun first = run({"--page", "web/index.htm", "--out", "normal.htm"}, "");
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string before = readFile(page());
    const std::string normal = readFile(m_dir / "normal.htm");
    EXPECT_EQ(readFile(page()), before); // --out leaves the page's own file alone

    // To standard output, after the transcript.
    HostRun out = run({"--page", "web/index.htm", "--out", "-"}, "menu Zirirur Help\n");
    EXPECT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out, "shell open: <install>\\Help\\index.htm\n" + normal);

    // A save during the run, and the page's own file at the end.
    HostRun own = run({"--page", "web/index.htm"}, "save copy.htm\n");
    EXPECT_EQ(own.status, 0) << own.err;
    EXPECT_EQ(readFile(m_dir / "copy.htm"), normal);
    EXPECT_EQ(readFile(page()), normal);

    // A page never saved is written from the text it was made of.
    HostRun unsaved = run({"--page", "web/index.htm", "--unsaved", "--out", "new.htm"}, "");
    EXPECT_EQ(unsaved.status, 0) << unsaved.err;
    EXPECT_EQ(readFile(m_dir / "new.htm"), normal);

    // With no page, "save" has nothing to write.
    HostRun none = run({}, "save x.htm\n");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("script line 1 (save): no page is open"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_dir / "x.htm"));
}

TEST_F(HostRunTest, BadOptionsAndMissingFilesStopBeforeAnythingRuns) {
    HostRun unknown = runArgs({"--frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown option --frobnicate"), std::string::npos);

    HostRun noPage = run({"--page", "web/missing.htm"}, "print-menu\n");
    EXPECT_EQ(noPage.status, 2);
    EXPECT_NE(noPage.err.find("cannot open the page web/missing.htm"), std::string::npos);
    EXPECT_EQ(noPage.out, "");

    HostRun noTarget = run({"--page", "web/index.htm", "--cursor", "NoSuchField"}, "print-menu\n");
    EXPECT_EQ(noTarget.status, 2);
    EXPECT_NE(noTarget.err.find("\"NoSuchField\""), std::string::npos);

    HostRun noScript = runArgs({(m_dir / "missing.zs").string()});
    EXPECT_EQ(noScript.status, 2);
    EXPECT_NE(noScript.err.find("cannot read the script"), std::string::npos);

    HostRun noInstall = run({"--install", "nowhere"}, "");
    EXPECT_EQ(noInstall.status, 2);

    HostRun help = runArgs({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
}

} // namespace
