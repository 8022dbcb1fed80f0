// The built host program run as a person runs it: a fresh folder with the demo web and a state
// folder for each test, scripts given as text, and what the run wrote and said.
#pragma once

#include "platform/sys/FileSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace hosttest {

namespace fs = std::filesystem;

const std::string Golden = std::string(ZIRIRUR_TESTS_DIR) + "/host/golden/";
const std::string DemoDir = std::string(ZIRIRUR_SOURCE_DIR) + "/host/demo/";

inline std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

inline std::string quoted(std::string word) {
    replaceAll(word, "'", "'\\''");
    return "'" + word + "'";
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
    // A copy of the installation folder that the test may write to, shown as <install> too.
    fs::path freshInstall() const {
        const fs::path copy = m_dir / "install";
        fs::remove_all(copy);
        fs::copy(ZIRIRUR_INSTALL_DIR, copy, fs::copy_options::recursive);
        return copy;
    }
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
        std::string command = "cd " + quoted(m_dir.string()) + " && ZIRIRUR_NO_SHELL=1 " + m_runAs +
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
        // The installation folder is wherever the checkout is, or the test's copy of it; it may
        // be shown escaped too.
        for (const fs::path& folder : {fs::path(ZIRIRUR_INSTALL_DIR), m_dir / "install"}) {
            std::string install = sys::FileSystem::windowsPath(folder.string());
            replaceAll(result.out, install, "<install>");
            replaceAll(install, "\\", "\\\\");
            replaceAll(result.out, install, "<install>");
        }
        return result;
    }

    void expectGolden(const std::string& name, const std::string& transcript) {
        const std::string file = Golden + name + ".txt";
        if (std::getenv("ZIRIRUR_UPDATE_GOLDEN") != nullptr)
            return writeFile(file, transcript);
        EXPECT_EQ(transcript, readFile(file)) << "golden file " << file;
    }

    fs::path m_dir;
    int m_runs = 0;
    // What the host's command line starts with: "setpriv ... " runs it as another user.
    std::string m_runAs;
};

} // namespace hosttest
