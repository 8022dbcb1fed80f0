#include "platform/editor/CommandBar.h"

#include "platform/editor/CommandBarControl.h"
#include "platform/editor/CommandBarControls.h"

#include <utility>

namespace editor {

CommandBar::CommandBar(std::string name, CommandBars* bars)
    : m_name(std::move(name)), m_controls(std::make_unique<CommandBarControls>(bars, nullptr)) {}

CommandBar::CommandBar(std::string name, std::shared_ptr<CommandBarControl> popup)
    : m_name(std::move(name)), m_popup(std::move(popup)) {}

CommandBar::~CommandBar() = default;

const std::string& CommandBar::name() const {
    return m_name;
}

CommandBarControls& CommandBar::controls() {
    if (m_popup)
        return m_popup->controls();
    return *m_controls;
}

} // namespace editor
