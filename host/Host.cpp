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
#include "platform/editor/PageEncoding.h"
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
#include <sstream>

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
    if (m_options.script == "-") {
        std::ostringstream all;
        all << m_in.rdbuf();
        text = all.str();
        return true;
    }
    std::ifstream file(m_options.script, std::ios::binary);
    if (!file || fs::is_directory(m_options.script)) {
        m_err << "zirirur: cannot read the script " << m_options.script << "\n";
        return false;
    }
    std::ostringstream all;
    all << file.rdbuf();
    text = all.str();
    return true;
}

bool Host::openPage(editor::Application& application) {
    if (!m_options.pageFile)
        return true;
    const std::string page = absolutePath(*m_options.pageFile);
    try {
        if (m_options.unsaved) {
            const std::string bytes = sys::FileSystem::readBytes(page);
            const std::string html = editor::PageEncoding::of(bytes).decode(bytes);
            application.newPage(html, fs::path(page).filename().string());
        } else {
            application.openPage(page);
        }
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
    std::shared_ptr<dom::Element> element = document->all().item(*target);
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
    } else if (target) {
        sys::FileSystem::replaceBytes(absolutePath(*target), page->bytes());
    } else if (page->saved()) {
        page->save();
    } else {
        // A page never saved goes back to the file it was made from.
        sys::FileSystem::replaceBytes(absolutePath(*m_options.pageFile), page->bytes());
    }
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
        m_err << "zirirur: " << name << ":" << error.line() << ": " << error.what() << "\n";
        return ExitBadUsage;
    }

    const std::string install = absolutePath(m_options.installDir);
    if (!fs::is_directory(install)) {
        m_err << "zirirur: the installation folder " << m_options.installDir << " does not exist\n";
        return ExitBadUsage;
    }
    if (m_options.webDir && !fs::is_directory(*m_options.webDir)) {
        m_err << "zirirur: the web folder " << *m_options.webDir << " does not exist\n";
        return ExitBadUsage;
    }
    const fs::path state = absolutePath(m_options.stateDir);
    std::error_code stateError;
    fs::create_directories(state, stateError);
    if (!fs::is_directory(state)) {
        m_err << "zirirur: cannot make the state folder " << m_options.stateDir << "\n";
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

    bool saveFailed = false;
    if (application.activePageWindow() != nullptr) {
        try {
            savePage(application, std::nullopt);
        } catch (const sys::Error& error) {
            m_err << "zirirur: the page cannot be saved: " << error.description() << "\n";
            saveFailed = true;
        }
    }
    m_out.flush();
    return runner.failures() > 0 || saveFailed ? ExitActionFailed : ExitOk;
}

} // namespace host
