#pragma once

#include "platform/editor/CommandBar.h"
#include "platform/editor/CommandBarControl.h"
#include "platform/editor/CommandBarControls.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace editor {

class MenuLayout;

// The editor's own commands behind its menu entries.
enum BuiltInCommand : int {
    cmdSpelling = 2001,
    cmdOptions = 2002,
    cmdHyperlink = 2003,
};

// What loading the stored menu layout found.
enum class LayoutLoad {
    Loaded, // the stored layout is shown
    Fresh,  // no stored layout yet: the editor's own menus are shown
    Damaged // the file could not be read as a layout: the editor's own menus are shown
};

// The editor's command bars: the "Menu Bar" with its "Insert" and "Tools" menus, each menu
// also reachable as a bar of its own name.
class CommandBars {
public:
    CommandBars();
    ~CommandBars();
    CommandBars(const CommandBars&) = delete;
    CommandBars& operator=(const CommandBars&) = delete;

    CommandBar& item(const std::string& name); // "Menu Bar", "Insert"; raises error 5 when none

    // Host side.
    // What an editor command does when chosen (the host's dialogs); none does nothing.
    void setBuiltInAction(int command, std::function<void()> action);
    // Shows the layout stored in the file and keeps it there from now on: every change to a
    // stored control rewrites the file at once (atomically), so that an editor that ends
    // without its add-ins' disconnection shows their controls again at the next start.
    LayoutLoad loadLayout(const std::string& path);
    void saveLayout(const std::string& path) const;
    // Whether the last automatic save of the layout failed (a read-only state folder).
    bool layoutSaveFailed() const { return m_layoutSaveFailed; }

    // For the controls.
    void layoutChanged();
    void runBuiltIn(int command) const;

private:
    void buildEditorMenus();
    MenuLayout layout() const;
    void show(const MenuLayout& layout);

    std::vector<std::unique_ptr<CommandBar>> m_bars;
    std::vector<std::unique_ptr<CommandBar>> m_menuBars; // menus seen as bars
    std::map<int, std::function<void()>> m_builtInActions;
    std::string m_layoutPath;
    bool m_layoutSaveFailed = false;
};

} // namespace editor
