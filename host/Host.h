#pragma once

#include "host/HostOptions.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace editor {
class Application;
}

namespace host {

class ScriptRunner;

// Exit statuses of the host.
enum ExitStatus : int { ExitOk = 0, ExitActionFailed = 1, ExitBadUsage = 2 };

// One run of the editor stand-in: reads and checks the script, starts the editor with its state,
// loads and connects the registered add-ins, opens the web and the page, runs the script as the
// user, then closes the open forms, disconnects the add-ins and saves the page.
class Host {
public:
    Host(HostOptions options, std::istream& standardInput, std::ostream& transcript,
         std::ostream& errors);

    // The exit status.
    int run();

    // Where a bundled build's add-in library is (registered when none is).
    static std::string bundledAddInLibrary();

private:
    bool readScript(std::string& text);
    // Whether the folders given are folders and the page's final file can be written; else
    // says why on the error stream.
    bool checkFolders();
    bool openPage(editor::Application& application);
    void savePage(editor::Application& application, const std::optional<std::string>& file);

    HostOptions m_options;
    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace host
