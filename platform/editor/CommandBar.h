#pragma once

#include <memory>
#include <string>

namespace editor {

class CommandBarControl;
class CommandBarControls;
class CommandBars;

// A command bar: the menu bar, or one of its menus seen as a bar of its own ("Insert").
class CommandBar {
public:
    // A bar that holds its own controls.
    CommandBar(std::string name, CommandBars* bars);
    // A menu of the menu bar, under the menu's name: its controls are the popup's.
    CommandBar(std::string name, std::shared_ptr<CommandBarControl> popup);
    ~CommandBar();
    CommandBar(const CommandBar&) = delete;
    CommandBar& operator=(const CommandBar&) = delete;

    const std::string& name() const;
    CommandBarControls& controls();

    // Host side: the popup behind a menu's bar, none for a bar of its own.
    const std::shared_ptr<CommandBarControl>& popup() const { return m_popup; }

private:
    std::string m_name;
    std::unique_ptr<CommandBarControls> m_controls;
    std::shared_ptr<CommandBarControl> m_popup;
};

} // namespace editor
