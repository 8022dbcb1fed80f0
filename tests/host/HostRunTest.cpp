// Runs the built host program as a person would, with scripts and golden transcripts.
// ZIRIRUR_UPDATE_GOLDEN=1 rewrites the golden files when a change of the transcript is intended.

#include "platform/sys/FileSystem.h"
#include "platform/sys/Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
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

    // Standard output goes to out.txt, or to the file given (a device, say).
    HostRun runArgs(const std::vector<std::string>& args, const std::string& standardOutput = "") {
        std::string command = "cd " + quoted(m_dir.string()) + " && ZIRIRUR_NO_SHELL=1 " +
                              quoted(ZIRIRUR_HOST_BINARY);
        bool hasState = false;
        for (const std::string& arg : args) {
            command += " " + quoted(arg);
            hasState = hasState || arg == "--state";
        }
        if (!hasState)
            command += " --state " + quoted(state().string());
        command += " </dev/null >" + (standardOutput.empty() ? "out.txt" : quoted(standardOutput)) +
                   " 2>err.txt";
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

    // An entry spelt in other letters, as another tool may write it, names the same add-in.
    registry.deleteKey(addin);
    const std::string lower = std::string(AddinsKey) + "\\zirirur.connect";
    registry.setText(lower, "FriendlyName", "Dedarav Zirirur");
    registry.setNumber(lower, "LoadBehavior", 3);
    HostRun spelt = run({}, "print-menu\n");
    EXPECT_EQ(spelt.status, 0) << spelt.err;
    EXPECT_EQ(spelt.err, "");
    EXPECT_NE(spelt.out.find("  Zirirur (popup)\n"), std::string::npos) << spelt.out;
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

    // Files where folders belong, and folders where files belong, are named as such.
    writeFile(m_dir / "plain.txt", "x");
    HostRun webFile = run({"--web", "plain.txt"}, "");
    EXPECT_EQ(webFile.status, 2);
    EXPECT_NE(webFile.err.find("the web folder plain.txt is not a folder"), std::string::npos)
        << webFile.err;
    HostRun installFile = run({"--install", "plain.txt"}, "");
    EXPECT_EQ(installFile.status, 2);
    EXPECT_NE(installFile.err.find("plain.txt is not a folder"), std::string::npos);
    HostRun stateFile = run({"--state", "plain.txt"}, "");
    EXPECT_EQ(stateFile.status, 2);
    EXPECT_NE(stateFile.err.find("plain.txt: it is a file"), std::string::npos);
    HostRun pageFolder = run({"--page", "web"}, "print-menu\n");
    EXPECT_EQ(pageFolder.status, 2);
    EXPECT_NE(pageFolder.err.find("cannot open the page web: it is a folder"), std::string::npos)
        << pageFolder.err;
    EXPECT_EQ(pageFolder.out, "");

    // A name longer than the system takes is a bad option like any other.
    const std::string tooLong(5000, 'a');
    for (const char* option : {"--page", "--web", "--install", "--state"}) {
        HostRun result = run({option, tooLong}, "print-menu\n");
        EXPECT_EQ(result.status, 2) << option << ": " << result.err.substr(0, 300);
        EXPECT_EQ(result.out, "") << option;
        if (std::string(option) == "--page") {
            EXPECT_EQ(result.err.rfind("zirirur: cannot open the page ", 0), 0u) << result.err;
        }
    }
    HostRun longOut = run({"--page", "web/index.htm", "--out", tooLong}, "print-menu\n");
    EXPECT_EQ(longOut.status, 2) << longOut.err.substr(0, 300);
    EXPECT_NE(longOut.err.find("File name too long"), std::string::npos)
        << longOut.err.substr(0, 300);
    EXPECT_EQ(longOut.out, "");

    // A script saved in a legacy code page, and one with a byte order mark.
    HostRun legacy = run({}, "print-menu\nset t 'caf\xE9'\n");
    EXPECT_EQ(legacy.status, 2);
    EXPECT_NE(legacy.err.find(":2: the line is not UTF-8 text"), std::string::npos) << legacy.err;
    EXPECT_EQ(legacy.out, "");
    HostRun marked = run({}, "\xEF\xBB\xBFmenu Zirirur Help\n");
    EXPECT_EQ(marked.status, 0) << marked.err;

    // A word as long as a page is cut short in the message about it.
    HostRun longLine = run({}, "menu " + std::string(100000, 'A') + "\n");
    EXPECT_EQ(longLine.status, 1);
    EXPECT_NE(longLine.err.find("script line 1 (menu): "), std::string::npos);
    EXPECT_LT(longLine.err.size(), 1000u) << longLine.err.substr(0, 1000);

    HostRun help = runArgs({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
}

TEST_F(HostRunTest, APageThatCouldNotBeKeptStopsTheRunBeforeItStarts) {
    const std::string before = readFile(page());
    const std::string script = "menu Zirirur Help\n";

    HostRun noFolder = run({"--page", "web/index.htm", "--out", "gone/saved.htm"}, script);
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_NE(noFolder.err.find("the page cannot be saved to gone/saved.htm: its folder "),
              std::string::npos)
        << noFolder.err;
    EXPECT_EQ(noFolder.out, ""); // nothing ran
    EXPECT_FALSE(fs::exists(state() / "registry"));

    fs::create_directories(m_dir / "folder");
    HostRun intoFolder = run({"--page", "web/index.htm", "--out", "folder"}, script);
    EXPECT_EQ(intoFolder.status, 2);
    EXPECT_NE(intoFolder.err.find("cannot be saved to folder: it is a folder"), std::string::npos)
        << intoFolder.err;
    EXPECT_TRUE(fs::is_empty(m_dir / "folder"));
    EXPECT_EQ(readFile(page()), before);

    // A save during the run that cannot be written says where, and the run goes on.
    HostRun midRun = run({"--page", "web/index.htm", "--out", "end.htm"},
                         "save gone/copy.htm\nmenu Zirirur Help\n");
    EXPECT_EQ(midRun.status, 1);
    EXPECT_NE(midRun.err.find("script line 1 (save): gone/copy.htm: "), std::string::npos)
        << midRun.err;
    EXPECT_NE(midRun.out.find("shell open: "), std::string::npos);
    EXPECT_TRUE(fs::exists(m_dir / "end.htm"));
}

TEST_F(HostRunTest, SavingThroughALinkOrIntoAPipeKeepsTheLinkAndThePipe) {
    HostRun plain = run({"--page", "web/index.htm", "--out", "plain.htm"}, "");
    ASSERT_EQ(plain.status, 0) << plain.err;
    const std::string expected = readFile(m_dir / "plain.htm");

    // The file behind the link takes the page; the link stays a link.
    writeFile(m_dir / "real.htm", "old");
    fs::create_symlink("real.htm", m_dir / "link.htm");
    HostRun linked = run({"--page", "web/index.htm", "--out", "link.htm"}, "");
    EXPECT_EQ(linked.status, 0) << linked.err;
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.htm"));
    EXPECT_EQ(readFile(m_dir / "real.htm"), expected);

    // The page's own file, opened through a link, is saved behind the link as well.
    fs::create_symlink(page(), m_dir / "own.htm");
    HostRun own = run({"--page", "own.htm"}, "");
    EXPECT_EQ(own.status, 0) << own.err;
    EXPECT_TRUE(fs::is_symlink(m_dir / "own.htm"));
    EXPECT_EQ(readFile(page()), expected);

    // A pipe (as /dev/stdout or /dev/null are devices) takes the bytes and stays a pipe.
    const fs::path pipe = m_dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    HostRun piped = run({"--page", "web/index.htm", "--out", pipe.string()}, "");
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_TRUE(fs::is_fifo(pipe));
    std::string received(expected.size() + 16, '\0');
    const ssize_t got = ::read(reader, received.data(), received.size());
    ::close(reader);
    received.resize(got > 0 ? static_cast<size_t>(got) : 0);
    EXPECT_EQ(received, expected);
}

TEST_F(HostRunTest, AStandardOutputThatCannotBeWrittenIsAFailure) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    writeFile(m_dir / "empty.zs", "");
    HostRun page = runArgs({"--page", (m_dir / "web" / "index.htm").string(), "--out", "-",
                            (m_dir / "empty.zs").string()},
                           "/dev/full");
    EXPECT_EQ(page.status, 1);
    EXPECT_NE(page.err.find("the page cannot be saved: standard output cannot be written"),
              std::string::npos)
        << page.err;

    // A reader that goes away early (as "| head" does) ends neither the run nor the saving.
    std::string longTranscript;
    for (int i = 0; i < 5000; ++i)
        longTranscript += "print-menu\n";
    writeFile(m_dir / "long.zs", longTranscript);
    const std::string command =
        "cd " + quoted(m_dir.string()) + " && ZIRIRUR_NO_SHELL=1 " + quoted(ZIRIRUR_HOST_BINARY) +
        " --state " + quoted(state().string()) +
        " --page web/index.htm --out saved.htm long.zs 2>err.txt </dev/null | true;"
        " echo ${PIPESTATUS[0]} >status.txt";
    ASSERT_EQ(std::system(("bash -c " + quoted(command)).c_str()), 0);
    EXPECT_EQ(readFile(m_dir / "status.txt"), "1\n") << readFile(m_dir / "err.txt");
    EXPECT_NE(readFile(m_dir / "err.txt").find("the transcript could not be written"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(m_dir / "saved.htm"));

    writeFile(m_dir / "menu.zs", "print-menu\n");
    HostRun transcript = runArgs({(m_dir / "menu.zs").string()}, "/dev/full");
    EXPECT_EQ(transcript.status, 1);
    EXPECT_NE(transcript.err.find("the transcript could not be written"), std::string::npos)
        << transcript.err;
}

TEST_F(HostRunTest, TheCursorGoesToTheElementSpeltAsGivenBeforeOneInOtherLetters) {
    // The page's own ids and names tell its fields apart by case; so does --cursor.
    writeFile(m_dir / "case.htm", "<html><body><form name=\"First\"><input id=\"email\"></form>"
                                  "<form name=\"Second\"><input name=\"Email\"></form>"
                                  "</body></html>");
    const std::string script = "menu Form Field Manager\nshow\n";
    HostRun exact = run({"--page", "case.htm", "--cursor", "Email", "--out", "-"}, script);
    EXPECT_EQ(exact.status, 0) << exact.err;
    EXPECT_NE(exact.out.find("Text3 textbox: \"Second\""), std::string::npos) << exact.out;

    // Without an exact match, other letters still find it.
    HostRun loose = run({"--page", "case.htm", "--cursor", "EMAIL", "--out", "-"}, script);
    EXPECT_EQ(loose.status, 0) << loose.err;
    EXPECT_NE(loose.out.find("Text3 textbox: \"First\""), std::string::npos) << loose.out;
}

TEST_F(HostRunTest, AScriptEndingWhereABoxAsksGivesItsDefaultAnswerAndEnds) {
    // The cursor in no form: the tool's message is the last thing the script leads to.
    writeFile(m_dir / "noform.htm", "<html><body><p id=\"x\">text</p></body></html>");
    HostRun result = run({"--page", "noform.htm", "--cursor", "x", "--out", "saved.htm"},
                         "menu Form Field Manager\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    ASSERT_FALSE(result.out.empty());
    EXPECT_EQ(result.out.rfind("msgbox [Zirirur] exclamation: ", 0), 0u) << result.out;
    EXPECT_NE(result.out.find(" -> OK\n"), std::string::npos) << result.out;
    EXPECT_NE(readFile(m_dir / "saved.htm").find("text"), std::string::npos);
}

} // namespace
