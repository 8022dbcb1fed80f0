#include "platform/editor/CommandBarControls.h"

#include "platform/editor/CommandBarControl.h"
#include "platform/editor/CommandBars.h"
#include "platform/sys/Error.h"

#include <algorithm>

namespace editor {

CommandBarControls::CommandBarControls(CommandBars* bars, CommandBarControl* owner)
    : m_bars(bars), m_owner(owner) {}

CommandBarControls::~CommandBarControls() {
    clear();
}

int CommandBarControls::count() const {
    return static_cast<int>(m_items.size());
}

std::shared_ptr<CommandBarControl> CommandBarControls::item(int index1) {
    requireAttached();
    if (index1 < 1 || index1 > count())
        sys::raise(sys::ErrSubscript);
    return m_items[static_cast<std::size_t>(index1 - 1)];
}

std::shared_ptr<CommandBarControl> CommandBarControls::item(const std::string& caption) {
    requireAttached();
    for (const auto& control : m_items)
        if (control->caption() == caption)
            return control;
    sys::raise(sys::ErrInvalidCall);
}

std::shared_ptr<CommandBarControl> CommandBarControls::add(int type, int id,
                                                           const std::string& parameter, int before,
                                                           bool temporary) {
    requireAttached();
    if (type != msoControlButton && type != msoControlPopup)
        sys::raise(sys::ErrInvalidCall);
    if (before < 0 || before > count() + 1)
        sys::raise(sys::ErrInvalidCall);
    Lifetime lifetime = temporary ? Lifetime::Temporary : Lifetime::Stored;
    auto control = std::make_shared<CommandBarControl>(type, id, parameter, lifetime, m_bars);
    control->m_parent = this;
    auto place = before == 0 ? m_items.end() : m_items.begin() + (before - 1);
    m_items.insert(place, control);
    if (lifetime == Lifetime::Stored && stored() && m_bars)
        m_bars->layoutChanged();
    return control;
}

bool CommandBarControls::attached() const {
    return !m_owner || m_owner->attached();
}

bool CommandBarControls::stored() const {
    return !m_owner || (m_owner->lifetime() == Lifetime::Stored && m_owner->m_parent &&
                        m_owner->m_parent->stored());
}

void CommandBarControls::clear() {
    for (const auto& control : m_items)
        control->m_parent = nullptr;
    m_items.clear();
}

void CommandBarControls::requireAttached() const {
    if (!attached())
        sys::raise(sys::ErrInvalidCall, "The control has been deleted");
}

void CommandBarControls::remove(CommandBarControl& control) {
    control.m_parent = nullptr;
    std::erase_if(m_items, [&control](const auto& item) { return item.get() == &control; });
}

} // namespace editor
