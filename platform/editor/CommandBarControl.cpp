#include "platform/editor/CommandBarControl.h"

#include "platform/editor/CommandBarControls.h"
#include "platform/editor/CommandBars.h"
#include "platform/sys/Error.h"

#include <algorithm>

namespace editor {

CommandBarControl::CommandBarControl(int type, int id, std::string parameter, Lifetime lifetime,
                                     CommandBars* bars)
    : m_type(type), m_id(id), m_parameter(std::move(parameter)), m_lifetime(lifetime) {
    if (m_type == msoControlPopup)
        m_controls = std::make_unique<CommandBarControls>(bars, this);
}

CommandBarControl::~CommandBarControl() = default;

int CommandBarControl::type() const {
    return m_type;
}

const std::string& CommandBarControl::caption() const {
    return m_caption;
}

void CommandBarControl::setCaption(const std::string& caption) {
    requireAttached();
    m_caption = caption;
    changed();
}

int CommandBarControl::faceId() const {
    return m_faceId;
}

void CommandBarControl::setFaceId(int faceId) {
    requireAttached();
    requireButtonSettings();
    m_faceId = faceId;
    changed();
}

int CommandBarControl::style() const {
    return m_style;
}

void CommandBarControl::setStyle(int style) {
    requireAttached();
    requireButtonSettings();
    if (style < msoButtonAutomatic || style > msoButtonIconAndCaption)
        sys::raise(sys::ErrInvalidCall);
    m_style = style;
    changed();
}

bool CommandBarControl::beginGroup() const {
    return m_beginGroup;
}

void CommandBarControl::setBeginGroup(bool beginGroup) {
    requireAttached();
    m_beginGroup = beginGroup;
    changed();
}

bool CommandBarControl::visible() const {
    return m_visible;
}

void CommandBarControl::setVisible(bool visible) {
    requireAttached();
    m_visible = visible;
    changed();
}

CommandBarControls& CommandBarControl::controls() {
    if (!m_controls)
        sys::raise(sys::ErrNoSuchProperty);
    requireAttached();
    return *m_controls;
}

void CommandBarControl::deleteControl() {
    requireAttached();
    // The collection holds the last reference but one's caller may not: keep it alive here.
    std::shared_ptr<CommandBarControl> self = shared_from_this();
    CommandBarControls* parent = m_parent;
    parent->remove(*this);
    Lifetime lifetime = m_lifetime;
    CommandBars* bars = parent->bars();
    if (lifetime == Lifetime::Stored && parent->attached() && parent->stored() && bars)
        bars->layoutChanged();
}

void CommandBarControl::execute() {
    requireAttached();
    if (m_type == msoControlPopup)
        return; // opening a menu changes nothing
    std::shared_ptr<CommandBarControl> self = shared_from_this();
    bool cancelDefault = false;
    // A sink may bind or unbind sinks, or delete the control: run those bound at the click.
    std::vector<int> bindings;
    for (const auto& [binding, sink] : m_sinks)
        bindings.push_back(binding);
    for (int binding : bindings) {
        auto found = std::find_if(m_sinks.begin(), m_sinks.end(),
                                  [binding](const auto& entry) { return entry.first == binding; });
        if (found == m_sinks.end())
            continue;
        ClickSink sink = found->second;
        sink(*this, cancelDefault);
    }
    if (!cancelDefault && m_id != 0 && attached())
        m_parent->bars()->runBuiltIn(m_id);
}

int CommandBarControl::bindClick(ClickSink sink) {
    int binding = m_nextBinding++;
    m_sinks.emplace_back(binding, std::move(sink));
    return binding;
}

void CommandBarControl::unbindClick(int binding) {
    std::erase_if(m_sinks, [binding](const auto& entry) { return entry.first == binding; });
}

bool CommandBarControl::attached() const {
    return m_parent && m_parent->attached();
}

void CommandBarControl::requireAttached() const {
    if (!attached())
        sys::raise(sys::ErrInvalidCall, "The control has been deleted");
}

void CommandBarControl::requireButtonSettings() const {
    if (m_type == msoControlPopup)
        sys::raise(sys::ErrNoSuchProperty);
}

void CommandBarControl::changed() {
    if (m_lifetime == Lifetime::Stored && m_parent->stored())
        if (CommandBars* bars = m_parent->bars())
            bars->layoutChanged();
}

} // namespace editor
