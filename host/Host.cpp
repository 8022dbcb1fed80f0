#include "host/Host.h"

#include "host/AddInLoader.h"
#include "host/Script.h"
#include "host/ScriptAction.h"
#include "host/ScriptError.h"
#include "host/ScriptRunner.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/Application.h"
#include "platform/editor/CommandBars.h"
#include "platform/editor/PageWindow.h"
#include "platform/sys/App.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Registry.h"
#include "platform/sys/Shell.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Form.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include <unistd.h>

#ifndef ZIRIRUR_BUNDLED_ADDIN
#define ZIRIRUR_BUNDLED_ADDIN "zirirur_addin.so"
#endif

namespace host {

namespace fs = std::filesystem;

namespace {

const char* const RegistryFileName = "registry";
const char* const LayoutFileName = "commandbars";

std::string absolutePath(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error)
        return path;
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

// The file a path names, links followed: saving through a link replaces the file behind it
// and keeps the link, as an editor saving in place does.
std::string fileBehind(const std::string& path) {
    fs::path file = absolutePath(path);
    std::error_code error;
    for (int hop = 0; hop < 40 && fs::is_symlink(file, error); ++hop) {
        const fs::path next = fs::read_symlink(file, error);
        if (error)
            break;
        file = (next.is_absolute() ? next : file.parent_path() / next).lexically_normal();
    }
    return file.string();
}

// A file that already exists and is neither a plain file nor a folder: a device or a pipe
// (/dev/stdout, /dev/null, a FIFO).
bool isSpecialFile(const fs::file_status& status) {
    return fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

// Why the page cannot be written to the file (links followed); empty when it can.
std::string whyNotWritable(const std::string& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (error && error != std::errc::no_such_file_or_directory)
        return error.message();
    if (fs::is_directory(status))
        return "it is a folder";
    if (isSpecialFile(status))
        return ::access(file.c_str(), W_OK) == 0 ? "" : "it cannot be written";
    // A file nobody may write is read-only: an editor does not replace it.
    if (fs::exists(status) &&
        (status.permissions() & (fs::perms::owner_write | fs::perms::group_write |
                                 fs::perms::others_write)) == fs::perms::none)
        return "it is read-only";
    // A plain file is replaced by a new one made in its folder.
    const fs::path folder = fs::path(file).parent_path();
    if (!fs::is_directory(folder, error))
        return "its folder " + folder.string() + " does not exist";
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return "its folder " + folder.string() + " cannot be written";
    return "";
}

// Writes the page's bytes to the file: a plain file is replaced whole, so a failure leaves the
// old one as it was; links are followed and devices and pipes written into (the file layer).
void writePageFile(const std::string& path, const std::string& bytes) {
    try {
        sys::FileSystem::replaceBytes(absolutePath(path), bytes);
    } catch (const sys::Error& error) {
        sys::raise(error.number(), path + ": " + error.description());
    }
}

// The whole stream into text when it holds no more than limit bytes; false, having read no
// more than that, for a longer one.
bool readAtMost(std::istream& in, std::size_t limit, std::string& text) {
    text.clear();
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > limit - text.size())
            return false;
        text.append(buffer, got);
    }
    return true;
}

// The element with the id, else the first with the name, spelt as given; else one whose id or
// name differs only in case, as the page's own lookups find it.
std::shared_ptr<dom::Element> elementNamed(const dom::Document& document, const std::string& name) {
    const std::vector<std::shared_ptr<dom::Element>> elements = document.all().toVector();
    for (const char* attribute : {"id", "name"}) {
        for (const std::shared_ptr<dom::Element>& element : elements)
            if (element->getAttribute(attribute) == name)
                return element;
    }
    return document.all().item(name);
}

// Ends the run's use of the process-wide toolkit and shell, however the run ends.
class SessionScope {
public:
    SessionScope(std::ostream& transcript) {
        ui::Driver& driver = ui::Driver::instance();
        driver.reset();
        driver.setTranscript(&transcript);
        m_observer = sys::Shell::subscribe([](const std::string& target) {
            ui::Driver::instance().report("shell open: " + ui::Driver::escape(target));
        });
    }
    ~SessionScope() {
        sys::Shell::unsubscribe(m_observer);
        ui::Driver& driver = ui::Driver::instance();
        driver.setActionSource(nullptr);
        driver.setTranscript(nullptr);
    }
    SessionScope(const SessionScope&) = delete;
    SessionScope& operator=(const SessionScope&) = delete;

private:
    int m_observer = 0;
};

} // namespace

Host::Host(HostOptions options, std::istream& standardInput, std::ostream& transcript,
           std::ostream& errors)
    : m_options(std::move(options)), m_in(standardInput), m_out(transcript), m_err(errors) {}

std::string Host::bundledAddInLibrary() {
    return ZIRIRUR_BUNDLED_ADDIN;
}

bool Host::readScript(std::string& text) {
    const bool standardInput = m_options.script == "-";
    std::ifstream file;
    if (!standardInput) {
        file.open(m_options.script, std::ios::binary);
        std::error_code error;
        if (!file || fs::is_directory(m_options.script, error)) {
            m_err << "zirirur: cannot read the script " << m_options.script << "\n";
            return false;
        }
    }
    if (!readAtMost(standardInput ? m_in : file, Script::kLongestScript, text)) {
        m_err << "zirirur: the script " << (standardInput ? "on standard input" : m_options.script)
              << " is longer than " << Script::kLongestScript << " bytes\n";
        return false;
    }
    return true;
}

bool Host::openPage(editor::Application& application) {
    if (!m_options.pageFile)
        return true;
    const std::string page = absolutePath(*m_options.pageFile);
    try {
        if (m_options.unsaved) {
            const std::string html = editor::PageWindow::read(page).text;
            application.newPage(html, fs::path(page).filename().string());
        } else {
            application.openPage(page);
        }
        // Without --out the page is written back only when the run changes it.
        if (!m_options.outFile)
            application.activePageWindow()->markUnchanged();
    } catch (const sys::Error& error) {
        m_err << "zirirur: cannot open the page " << *m_options.pageFile << ": "
              << error.description() << "\n";
        return false;
    }

    const std::optional<std::string>& target =
        m_options.cursor ? m_options.cursor : m_options.select;
    if (!target)
        return true;
    std::shared_ptr<dom::Document> document = application.activeDocument();
    std::shared_ptr<dom::Element> element = elementNamed(*document, *target);
    if (!element) {
        m_err << "zirirur: the page has no element with the id or name \"" << *target << "\"\n";
        return false;
    }
    document->setActiveElement(element);
    if (m_options.cursor)
        document->setCaretAtEndOf(element);
    else
        document->setSelectionToContentOf(element);
    return true;
}

void Host::savePage(editor::Application& application, const std::optional<std::string>& file) {
    editor::PageWindow* page = application.activePageWindow();
    if (page == nullptr)
        sys::raise(sys::ErrObjectVariableNotSet, "no page is open");
    const std::optional<std::string> target = file ? file : m_options.outFile;
    if (target && *target == "-") {
        page->write(m_out);
        m_out.flush();
        if (!m_out)
            sys::raise(sys::ErrDeviceIO, "standard output cannot be written");
    } else if (target) {
        writePageFile(*target, page->bytes());
    } else if (page->saved()) {
        writePageFile(page->nativePath(), page->bytes());
    } else {
        // A page never saved goes back to the file it was made from.
        writePageFile(*m_options.pageFile, page->bytes());
    }
}

bool Host::checkFolders() {
    // Each folder must be one: a file in its place would fail later, halfway through the run.
    std::error_code error;
    const auto notAFolder = [&](const char* what, const std::string& folder) {
        m_err << "zirirur: the " << what << " " << folder;
        if (fs::exists(folder, error))
            m_err << " is not a folder\n";
        else if (error && error != std::errc::no_such_file_or_directory)
            m_err << ": " << error.message() << "\n";
        else
            m_err << " does not exist\n";
        return false;
    };
    if (!fs::is_directory(m_options.installDir, error))
        return notAFolder("installation folder", m_options.installDir);
    if (m_options.webDir && !fs::is_directory(*m_options.webDir, error))
        return notAFolder("web folder", *m_options.webDir);
    if (m_options.pageFile && fs::is_directory(*m_options.pageFile, error)) {
        m_err << "zirirur: cannot open the page " << *m_options.pageFile << ": it is a folder\n";
        return false;
    }

    // Where the page goes at the end is checked now, so that a run whose work could not be
    // kept does not start.
    if (!m_options.pageFile || (m_options.outFile && *m_options.outFile == "-"))
        return true;
    // A page that is not there is reported when it is opened.
    if (!m_options.outFile && !fs::exists(*m_options.pageFile, error))
        return true;
    const std::string target = m_options.outFile ? *m_options.outFile : *m_options.pageFile;
    if (const std::string problem = whyNotWritable(fileBehind(target)); !problem.empty()) {
        m_err << "zirirur: the page cannot be saved to " << target << ": " << problem;
        if (!m_options.outFile)
            m_err << " (--out FILE, or --out - for standard output, saves it elsewhere)";
        m_err << "\n";
        return false;
    }
    return true;
}

int Host::run() {
    // The whole script is read and checked first: a bad line runs nothing.
    std::string text;
    if (!readScript(text))
        return ExitBadUsage;
    std::vector<ScriptAction> actions;
    try {
        const Script script = Script::parse(text);
        for (const ScriptLine& line : script.lines())
            actions.push_back(ScriptAction::parse(line));
    } catch (const ScriptError& error) {
        const std::string name = m_options.script == "-" ? "standard input" : m_options.script;
        m_err << "zirirur: " << name << ":" << error.line() << ": " << clippedMessage(error.what())
              << "\n";
        return ExitBadUsage;
    }

    if (!checkFolders())
        return ExitBadUsage;
    const std::string install = absolutePath(m_options.installDir);
    const fs::path state = absolutePath(m_options.stateDir);
    std::error_code stateError;
    fs::create_directories(state, stateError);
    if (!fs::is_directory(state, stateError)) {
        m_err << "zirirur: cannot make the state folder " << m_options.stateDir;
        if (fs::exists(state, stateError))
            m_err << ": it is a file";
        else if (stateError)
            m_err << ": " << stateError.message();
        m_err << "\n";
        return ExitBadUsage;
    }

    sys::App::setPath(sys::FileSystem::windowsPath(install));
    sys::Clock::useVirtualTime();
    SessionScope session(m_out);
    ui::Driver& driver = ui::Driver::instance();

    editor::Application application;
    const std::string layoutFile = (state / LayoutFileName).string();
    if (application.commandBars().loadLayout(layoutFile) == editor::LayoutLoad::Damaged)
        m_err << "zirirur: the stored menu layout " << layoutFile
              << " cannot be read; the editor's own menus are shown\n";

    try {
        if (m_options.webDir)
            application.openWeb(absolutePath(*m_options.webDir));
    } catch (const sys::Error& error) {
        m_err << "zirirur: cannot open the web " << *m_options.webDir << ": " << error.description()
              << "\n";
        return ExitBadUsage;
    }
    if (!openPage(application))
        return ExitBadUsage;

    // The editor loads its add-ins through their registration, as at its start.
    sys::Registry registry((state / RegistryFileName).string());
    AddInLoader loader(registry);
    try {
        if (!loader.anyRegistered() && m_options.autoRegister)
            loader.registerLibrary(bundledAddInLibrary());
        if (!loader.anyRegistered())
            m_err << "zirirur: no add-in is registered for the editor\n";
        else
            loader.connectAll(application, m_err);
    } catch (const sys::Error& error) {
        m_err << "zirirur: the add-ins cannot be loaded: " << error.description() << "\n";
    }

    ScriptRunner runner(
        std::move(actions), application, m_err,
        [&](const std::optional<std::string>& file) { savePage(application, file); });
    application.setHyperlinkPrompt([&] {
        std::optional<std::string> answer = runner.hyperlinkAnswer();
        driver.report("hyperlink -> " + (answer ? ui::Driver::escape(*answer) : "(cancelled)"));
        return answer;
    });
    driver.setActionSource([&] { return runner.next(); });
    runner.runAll();
    driver.setActionSource(nullptr);

    // Whatever is still open closes by its close box; a form that refuses stays.
    while (ui::Form* form = driver.topmostForm()) {
        driver.closeTopmost();
        if (driver.topmostForm() == form)
            break;
    }
    if (m_options.disconnect)
        loader.disconnectAll();
    loader.releaseAll();
    application.setHyperlinkPrompt(nullptr);

    // With no --out the page goes back over its own file only when the run changed it: a
    // file that was never a page, or a page the run left alone, stays as it was.
    bool saveFailed = false;
    const editor::PageWindow* page = application.activePageWindow();
    if (page != nullptr && (m_options.outFile || page->changed())) {
        try {
            savePage(application, std::nullopt);
        } catch (const sys::Error& error) {
            m_err << "zirirur: the page cannot be saved: " << error.description() << "\n";
            saveFailed = true;
        }
    }
    m_out.flush();
    // A transcript that did not reach its reader is a failed run, not a quiet success.
    bool transcriptLost = false;
    if (!m_out) {
        m_err << "zirirur: the transcript could not be written to standard output\n";
        transcriptLost = true;
    }
    return runner.failures() > 0 || saveFailed || transcriptLost ? ExitActionFailed : ExitOk;
}

} // namespace host
