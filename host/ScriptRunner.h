#pragma once

#include "host/ScriptAction.h"

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace editor {
class Application;
class CommandBarControl;
} // namespace editor

namespace host {

// Runs a checked script as the user: the host's own loop and every modal form's loop take the
// script's actions from this one source, so the whole script runs in its order. An action that
// fails (a missing control, no form open) is reported to `errors` with its line; the run goes on.
class ScriptRunner {
public:
    using Action = std::function<void()>;
    // Saves the page: to the file given, or to the run's own target when none is given.
    using PageSaver = std::function<void(const std::optional<std::string>& file)>;

    ScriptRunner(std::vector<ScriptAction> actions, editor::Application& application,
                 std::ostream& errors, PageSaver saver);

    // The next action of the script, nullopt when the script has no more.
    std::optional<Action> next();
    // Runs the remaining actions (the host's own loop, while no modal form is open).
    void runAll();

    // The answer the user gives the editor's hyperlink dialog: the next one queued by
    // "hyperlink"; nullopt (cancelled) when none is queued.
    std::optional<std::string> hyperlinkAnswer();

    int failures() const { return m_failures; }

    // The Tools menu, one control a line, indented by depth: a button with its FaceId, a popup
    // marked as one.
    static std::vector<std::string> describeToolsMenu(editor::Application& application);

private:
    void execute(const ScriptAction& action);
    void report(const std::string& line);

    std::vector<ScriptAction> m_actions;
    size_t m_next = 0;
    editor::Application& m_application;
    std::ostream& m_errors;
    PageSaver m_saver;
    std::deque<std::optional<std::string>> m_hyperlinks;
    int m_failures = 0;
};

} // namespace host
