#include "platform/editor/CommandBars.h"

#include "platform/editor/MenuLayout.h"
#include "platform/sys/Error.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Text.h"

#include <algorithm>

namespace editor {

namespace {

const std::string kMenuBar = "Menu Bar";

void addBuiltIn(CommandBarControls& controls, int command, const std::string& caption) {
    auto button = controls.add(msoControlButton, command);
    button->setCaption(caption);
}

void appendControls(const CommandBarControls& controls, int depth,
                    std::vector<MenuLayout::Control>& out) {
    for (const auto& control : controls.items()) {
        if (control->lifetime() == Lifetime::Temporary)
            continue;
        MenuLayout::Control stored;
        stored.depth = depth;
        stored.type = control->type();
        stored.id = control->id();
        stored.faceId = control->faceId();
        stored.style = control->style();
        stored.beginGroup = control->beginGroup();
        stored.visible = control->visible();
        stored.parameter = control->parameter();
        stored.caption = control->caption();
        out.push_back(stored);
        if (control->type() == msoControlPopup)
            appendControls(control->controls(), depth + 1, out);
    }
}

void setIfButton(const std::shared_ptr<CommandBarControl>& control,
                 const MenuLayout::Control& stored) {
    if (control->type() != msoControlButton)
        return;
    control->setFaceId(stored.faceId);
    control->setStyle(stored.style);
}

} // namespace

CommandBars::CommandBars() {
    buildEditorMenus();
}

CommandBars::~CommandBars() {
    // Controls that the add-ins still hold become detached rather than dangling.
    m_menuBars.clear();
    m_bars.clear();
}

CommandBar& CommandBars::item(const std::string& name) {
    for (const auto& bar : m_bars)
        if (sys::text::equal(bar->name(), name, sys::text::Compare::IgnoreCase))
            return *bar;
    std::erase_if(m_menuBars, [](const auto& bar) { return !bar->popup()->attached(); });
    for (const auto& bar : m_menuBars)
        if (sys::text::equal(bar->name(), name, sys::text::Compare::IgnoreCase))
            return *bar;
    for (const auto& bar : m_bars) {
        for (const auto& control : bar->controls().items()) {
            if (control->type() == msoControlPopup &&
                sys::text::equal(control->caption(), name, sys::text::Compare::IgnoreCase)) {
                m_menuBars.push_back(std::make_unique<CommandBar>(control->caption(), control));
                return *m_menuBars.back();
            }
        }
    }
    sys::raise(sys::ErrInvalidCall);
}

void CommandBars::setBuiltInAction(int command, std::function<void()> action) {
    m_builtInActions[command] = std::move(action);
}

LayoutLoad CommandBars::loadLayout(const std::string& path) {
    m_layoutPath.clear(); // no saving while the stored layout is being shown
    LayoutLoad result = LayoutLoad::Fresh;
    if (sys::FileSystem::fileExists(path)) {
        std::optional<MenuLayout> layout;
        sys::tryStep([&] { layout = MenuLayout::parse(sys::FileSystem::readBytes(path)); });
        if (layout) {
            show(*layout);
            result = LayoutLoad::Loaded;
        } else {
            result = LayoutLoad::Damaged;
        }
    }
    m_layoutPath = path;
    return result;
}

void CommandBars::saveLayout(const std::string& path) const {
    sys::FileSystem::replaceBytes(path, layout().format());
}

void CommandBars::layoutChanged() {
    if (m_layoutPath.empty())
        return;
    m_layoutSaveFailed = !sys::tryStep([&] { saveLayout(m_layoutPath); });
}

void CommandBars::runBuiltIn(int command) const {
    auto found = m_builtInActions.find(command);
    if (found != m_builtInActions.end() && found->second)
        found->second();
}

void CommandBars::buildEditorMenus() {
    m_bars.push_back(std::make_unique<CommandBar>(kMenuBar, this));
    CommandBarControls& menuBar = m_bars.back()->controls();

    auto insert = menuBar.add(msoControlPopup);
    insert->setCaption("Insert");
    addBuiltIn(insert->controls(), cmdHyperlink, "Hyperlink...");

    auto tools = menuBar.add(msoControlPopup);
    tools->setCaption("Tools");
    addBuiltIn(tools->controls(), cmdSpelling, "Spelling...");
    addBuiltIn(tools->controls(), cmdOptions, "Options...");
}

MenuLayout CommandBars::layout() const {
    MenuLayout layout;
    for (const auto& bar : m_bars) {
        MenuLayout::Bar stored{bar->name(), {}};
        appendControls(bar->controls(), 1, stored.controls);
        layout.bars.push_back(std::move(stored));
    }
    return layout;
}

void CommandBars::show(const MenuLayout& layout) {
    m_menuBars.clear();
    for (const MenuLayout::Bar& stored : layout.bars) {
        auto bar = std::find_if(m_bars.begin(), m_bars.end(),
                                [&stored](const auto& bar) { return bar->name() == stored.name; });
        if (bar == m_bars.end())
            continue;
        CommandBarControls& barControls = (*bar)->controls();
        barControls.clear();
        // The controls collection at each depth: [0] is the bar's own.
        std::vector<CommandBarControls*> levels{&barControls};
        for (const MenuLayout::Control& control : stored.controls) {
            levels.resize(static_cast<std::size_t>(control.depth));
            auto made = levels.back()->add(control.type, control.id, control.parameter);
            made->setCaption(control.caption);
            setIfButton(made, control);
            made->setBeginGroup(control.beginGroup);
            made->setVisible(control.visible);
            if (control.type == msoControlPopup)
                levels.push_back(&made->controls());
        }
    }
}

} // namespace editor
