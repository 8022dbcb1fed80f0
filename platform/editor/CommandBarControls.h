#pragma once

#include <memory>
#include <string>
#include <vector>

namespace editor {

class CommandBarControl;
class CommandBars;

// The controls of a command bar or of a popup, in their order.
class CommandBarControls {
public:
    // owner: the popup that holds them; none for a command bar's own controls.
    CommandBarControls(CommandBars* bars, CommandBarControl* owner);
    ~CommandBarControls();
    CommandBarControls(const CommandBarControls&) = delete;
    CommandBarControls& operator=(const CommandBarControls&) = delete;

    int count() const;
    // Controls are shared: a binding may outlive a deleted control, which is then detached.
    std::shared_ptr<CommandBarControl> item(int index1); // 1-based; raises when out of range
    std::shared_ptr<CommandBarControl> item(const std::string& caption); // raises error 5 when none
    // Before: 1-based place of the new control (0: at the end). Temporary False controls are
    // kept in the editor's stored menu layout.
    std::shared_ptr<CommandBarControl> add(int type, int id = 0, const std::string& parameter = "",
                                           int before = 0, bool temporary = false);

    // Host side.
    const std::vector<std::shared_ptr<CommandBarControl>>& items() const { return m_items; }
    // Whether these controls are still in a command bar.
    bool attached() const;
    // Whether these controls' place is part of the stored layout (no temporary popup above).
    bool stored() const;
    CommandBars* bars() const { return m_bars; }
    // Detaches every control (the editor's menus are being rebuilt).
    void clear();

private:
    friend class CommandBarControl;

    void requireAttached() const;
    void remove(CommandBarControl& control);

    CommandBars* m_bars = nullptr;
    CommandBarControl* m_owner = nullptr;
    std::vector<std::shared_ptr<CommandBarControl>> m_items;
};

} // namespace editor
