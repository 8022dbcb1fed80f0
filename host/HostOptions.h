#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

// What the command line asks of the host.
struct HostOptions {
    std::string installDir;              // the add-in's installation folder
    std::optional<std::string> webDir;   // the web to open
    std::optional<std::string> pageFile; // the page to open
    bool unsaved = false;                // the page was never saved
    std::optional<std::string> cursor;   // id (or name) of the element holding the caret
    std::optional<std::string> select;   // id (or name) of the element whose content is selected
    std::optional<std::string> outFile;  // where the page goes at the end ("-": standard output)
    std::string stateDir;                // the editor's registry and stored menu layout
    std::string script = "-";            // the script file ("-": standard input)
    bool autoRegister = true;            // register the bundled add-in when none is registered
    bool disconnect = true;              // disconnect the add-in at the end
    bool help = false;

    // The options, or the reason they are wrong (in `error`). Defaults: the bundled
    // installation folder and the state folder under $XDG_CONFIG_HOME (or ~/.config).
    static HostOptions parse(const std::vector<std::string>& args, std::string& error);
    static std::string defaultStateDir();
    static std::string usage();
};

} // namespace host
