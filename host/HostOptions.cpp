#include "host/HostOptions.h"

#include <cstdlib>

#ifndef ZIRIRUR_BUNDLED_INSTALL_DIR
#define ZIRIRUR_BUNDLED_INSTALL_DIR "install"
#endif

namespace host {

std::string HostOptions::defaultStateDir() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != 0)
        return std::string(config) + "/zirirur";
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != 0)
        return std::string(home) + "/.config/zirirur";
    return ".zirirur";
}

std::string HostOptions::usage() {
    return R"usage(Usage: zirirur [OPTION]... [SCRIPT]
Runs the editor stand-in: loads the add-ins registered for the editor, opens a page, acts as
the user from SCRIPT (a file of user actions; "-" or none: standard input), writes what the user
saw to standard output, and saves the page at the end (to --out, else over its own file when
the run changed it).

Options:
  --install DIR       the add-in's installation folder (default: the bundled one)
  --web DIR           open DIR as the active web
  --page FILE         open the page FILE (without it no page window is open)
  --unsaved           the page was never saved
  --cursor T          the caret at the end of the content of the element with id T
                      (else the first named T), or right after it when it holds none;
                      T as spelt first, else in other letters
  --select T          the selection spans the content of the element T
  --out FILE          where the page is saved at the end ("-": standard output;
                      default: the page file itself, and only when the run changed
                      the page)
  --state DIR         the editor's registry and stored menu layout
                      (default: $XDG_CONFIG_HOME/zirirur or ~/.config/zirirur)
  --no-auto-register  register nothing automatically (by default, when no add-in is
                      registered, the add-in library of this build is registered first)
  --no-disconnect     end without disconnecting the add-in, as a crashed editor would
  -h, --help          this text

Script: one action a line, words split as a shell splits them; "#" at the start of a line,
or standing alone as a word, starts a comment (so "choose-colour #FF0000" is no comment).
  menu CAPTION             click Tools > Zirirur > CAPTION
  print-menu               the Tools menu, one control a line, with its FaceId
  click C | dblclick C [ROW] | focus C
  set C TEXT | type C TEXT | key C KEY | select C ROW|TEXT | check C 0|1
  mouse down|move|up C X Y [left|right|middle|none]
  wait MS | show | snapshot C FILE.png | close | save [FILE]
  answer Yes|No|OK|Cancel  input TEXT | input --cancel  choose-file NAME
  choose-colour #RRGGBB    cancel-dialog  hyperlink ADDRESS | hyperlink --cancel
C names a control of the topmost form: Name, or Name(Index) in a control array. The answers
(answer, input, choose-file, choose-colour, cancel-dialog, hyperlink) are used by the next box
of their kind. A box with no answer waiting takes its default button, an input box its default
text; a file or colour dialog, and the hyperlink dialog, count as cancelled. When the script
ends, the forms still open are closed by their close box. The script is UTF-8 text (a byte
order mark is skipped).

Transcript lines: "form shown: ...", "form closed: ...", "msgbox [title] icon: text -> answer",
"input [title]: prompt -> answer", "shell open: target", "error N: text (in handler)",
"hyperlink -> address" (the editor's hyperlink dialog answered by the script).

The page is saved by replacing its file whole, so a failed save leaves the old file as it was;
a link is followed (the file behind it is replaced), a device or a pipe is written into.
With --out the page is written there at the end. Without it the page goes back over its own
file only when the run changed it ("save" writes it at once, "save FILE" writes a copy): a
page the run left alone stays byte for byte as it was. A saved page keeps its charset, byte
order mark and line ends; a byte that does not decode in the page's charset shows as U+FFFD
and is written back as it was. A read-only file is never replaced.

Refused before anything runs: a page file that is not text (it holds NUL bytes, or most of
its bytes do not decode in its charset), a page file larger than 64 MiB, a script larger than
64 MiB or with a line longer than 16 MiB, and a page that would be saved over a read-only file.

Exit status: 0 when every action ran; 2 for a bad option or script line (the whole script is
checked first: nothing runs and nothing is saved), also for a page that cannot be read, a web
or installation folder that is missing, a state folder that cannot be made, a --cursor or
--select naming nothing, a page that could not be saved where it goes at the end (a missing
or read-only folder), and everything refused above; 1 when an action failed while running (a
missing control, say): the failure is reported on standard error with its line, the run goes
on to the end of the script and the page is saved as above. A page or transcript that could
not be written at the end also gives 1.
)usage";
}

HostOptions HostOptions::parse(const std::vector<std::string>& args, std::string& error) {
    HostOptions options;
    options.installDir = ZIRIRUR_BUNDLED_INSTALL_DIR;
    options.stateDir = defaultStateDir();
    error.clear();
    bool haveScript = false;

    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inlineValue;
        if (arg.rfind("--", 0) == 0) {
            if (size_t eq = arg.find('='); eq != std::string::npos) {
                inlineValue = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            }
        }
        auto value = [&](std::string& into) {
            if (inlineValue) {
                into = *inlineValue;
            } else if (i + 1 < args.size()) {
                into = args[++i];
            } else {
                error = "option " + arg + " needs a value";
                return false;
            }
            if (into.empty()) {
                error = "option " + arg + " needs a value that is not empty";
                return false;
            }
            return true;
        };
        auto optionalValue = [&](std::optional<std::string>& into) {
            std::string text;
            if (!value(text))
                return false;
            into = text;
            return true;
        };
        auto flag = [&](bool& into, bool set) {
            if (inlineValue) {
                error = "option " + arg + " takes no value";
                return false;
            }
            into = set;
            return true;
        };

        bool ok = true;
        if (arg == "--install")
            ok = value(options.installDir);
        else if (arg == "--web")
            ok = optionalValue(options.webDir);
        else if (arg == "--page")
            ok = optionalValue(options.pageFile);
        else if (arg == "--unsaved")
            ok = flag(options.unsaved, true);
        else if (arg == "--cursor")
            ok = optionalValue(options.cursor);
        else if (arg == "--select")
            ok = optionalValue(options.select);
        else if (arg == "--out")
            ok = optionalValue(options.outFile);
        else if (arg == "--state")
            ok = value(options.stateDir);
        else if (arg == "--no-auto-register")
            ok = flag(options.autoRegister, false);
        else if (arg == "--no-disconnect")
            ok = flag(options.disconnect, false);
        else if (arg == "-h" || arg == "--help")
            ok = flag(options.help, true);
        else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            ok = false;
        } else if (haveScript) {
            error = "only one script may be given (\"" + options.script + "\" and \"" + arg + "\")";
            ok = false;
        } else {
            options.script = arg;
            haveScript = true;
        }
        if (!ok)
            return options;
    }

    if (!options.pageFile) {
        if (options.unsaved)
            error = "--unsaved needs --page";
        else if (options.cursor)
            error = "--cursor needs --page";
        else if (options.select)
            error = "--select needs --page";
        else if (options.outFile)
            error = "--out needs --page";
    } else if (options.cursor && options.select) {
        error = "--cursor and --select exclude each other";
    }
    return options;
}

} // namespace host
