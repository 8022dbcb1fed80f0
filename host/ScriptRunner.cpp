#include "host/ScriptRunner.h"

#include "host/ScriptError.h"
#include "platform/editor/Application.h"
#include "platform/editor/CommandBars.h"
#include "platform/sys/Error.h"
#include "platform/ui/Driver.h"

#include <sstream>

namespace host {

namespace {

// Transcript lines hold one event each: line ends inside a text are written as \r and \n.
std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    return line;
}

std::shared_ptr<editor::CommandBarControl> toolsMenu(editor::Application& application) {
    return application.commandBars().item("Menu Bar").controls().item("Tools");
}

void describeControls(editor::CommandBarControls& controls, int depth,
                      std::vector<std::string>& lines) {
    for (int i = 1; i <= controls.count(); ++i) {
        std::shared_ptr<editor::CommandBarControl> control = controls.item(i);
        std::string line(static_cast<size_t>(depth) * 2, ' ');
        line += control->caption();
        // A popup carries no icon of its own.
        if (control->type() == editor::msoControlPopup)
            line += " (popup)";
        else
            line += " (FaceId " + std::to_string(control->faceId()) + ")";
        if (!control->visible())
            line += " (hidden)";
        lines.push_back(oneLine(line));
        if (control->type() == editor::msoControlPopup)
            describeControls(control->controls(), depth + 1, lines);
    }
}

void requireForm() {
    if (ui::Driver::instance().topmostForm() == nullptr)
        sys::raise(sys::ErrInvalidCall, "no form is open");
}

} // namespace

ScriptRunner::ScriptRunner(std::vector<ScriptAction> actions, editor::Application& application,
                           std::ostream& errors, PageSaver saver)
    : m_actions(std::move(actions)), m_application(application), m_errors(errors),
      m_saver(std::move(saver)) {}

std::optional<ScriptRunner::Action> ScriptRunner::next() {
    if (m_next >= m_actions.size())
        return std::nullopt;
    const size_t index = m_next++;
    return Action([this, index] {
        const ScriptAction& action = m_actions[index];
        std::string failure;
        try {
            execute(action);
        } catch (const sys::Error& error) {
            failure = error.description();
        } catch (const std::exception& error) {
            failure = error.what();
        }
        if (!failure.empty()) {
            ++m_failures;
            m_errors << "zirirur: script line " << action.line << " (" << action.verb
                     << "): " << clippedMessage(oneLine(failure)) << std::endl;
        }
    });
}

void ScriptRunner::runAll() {
    while (std::optional<Action> action = next())
        (*action)();
}

std::optional<std::string> ScriptRunner::hyperlinkAnswer() {
    if (m_hyperlinks.empty())
        return std::nullopt;
    std::optional<std::string> answer = m_hyperlinks.front();
    m_hyperlinks.pop_front();
    return answer;
}

std::vector<std::string> ScriptRunner::describeToolsMenu(editor::Application& application) {
    std::vector<std::string> lines;
    std::shared_ptr<editor::CommandBarControl> tools = toolsMenu(application);
    lines.push_back(oneLine(tools->caption()));
    describeControls(tools->controls(), 1, lines);
    return lines;
}

void ScriptRunner::report(const std::string& line) {
    ui::Driver::instance().report(line);
}

void ScriptRunner::execute(const ScriptAction& action) {
    ui::Driver& driver = ui::Driver::instance();
    const std::string& name = action.control.name;
    const int index = action.control.index;
    using K = ScriptAction::Kind;
    switch (action.kind) {
    case K::Menu: {
        std::shared_ptr<editor::CommandBarControl> popup;
        try {
            popup = toolsMenu(m_application)->controls().item("Zirirur");
        } catch (const sys::Error&) {
            sys::raise(sys::ErrInvalidCall, "the Tools menu has no \"Zirirur\" submenu");
        }
        std::shared_ptr<editor::CommandBarControl> command;
        try {
            command = popup->controls().item(action.text);
        } catch (const sys::Error&) {
            sys::raise(sys::ErrInvalidCall, "the Zirirur submenu has no \"" + action.text + "\"");
        }
        driver.runUserAction("Tools > Zirirur > " + action.text, [&] { command->execute(); });
        break;
    }
    case K::PrintMenu:
        for (const std::string& line : describeToolsMenu(m_application))
            report(line);
        break;
    case K::Click:
        driver.click(name, index);
        break;
    case K::DblClick:
        driver.dblClick(name, index, action.number);
        break;
    case K::Set:
        driver.setText(name, index, action.text);
        break;
    case K::Type:
        driver.type(name, index, action.text);
        break;
    case K::Key:
        driver.pressKey(name, index, action.number);
        break;
    case K::Select:
        if (action.rowByText)
            driver.selectRow(name, index, action.text);
        else
            driver.selectRow(name, index, action.number);
        break;
    case K::Check:
        driver.check(name, index, action.number == 1);
        break;
    case K::Focus:
        driver.focus(name, index);
        break;
    case K::Mouse:
        driver.mouse(action.text, name, index, action.x, action.y, action.button);
        break;
    case K::Wait:
        driver.wait(action.number);
        break;
    case K::Show: {
        requireForm();
        std::istringstream lines(driver.describeTopmost());
        for (std::string line; std::getline(lines, line);)
            report(line);
        break;
    }
    case K::Snapshot:
        driver.snapshot(name, index, action.text);
        break;
    case K::Close:
        requireForm();
        driver.closeTopmost();
        break;
    case K::Save:
        m_saver(action.file);
        break;
    case K::Answer:
        driver.queueMsgBoxAnswer(action.number);
        break;
    case K::Input:
        driver.queueInput(action.cancel ? std::nullopt : std::optional<std::string>(action.text));
        break;
    case K::ChooseFile:
        driver.queueFileChoice(action.text);
        break;
    case K::ChooseColour:
        driver.queueColour(action.colour);
        break;
    case K::CancelDialog:
        driver.queueDialogCancel();
        break;
    case K::Hyperlink:
        m_hyperlinks.push_back(action.cancel ? std::nullopt
                                             : std::optional<std::string>(action.text));
        break;
    }
}

} // namespace host
