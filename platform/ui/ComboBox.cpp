#include "platform/ui/ComboBox.h"

#include "platform/sys/Error.h"
#include "platform/sys/Text.h"
#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"

namespace ui {

ComboBox::ComboBox(Form& form, std::string name, int index)
    : TextEntry(form, std::move(name), index) {
    setBackColor(int32_t(0x80000005));
}

ComboStyle ComboBox::style() const {
    return m_style;
}
void ComboBox::setStyle(ComboStyle style) {
    m_style = style;
}

void ComboBox::addItem(const std::string& item, int index) {
    int position = index;
    if (index == -1)
        position = listCount();
    else if (index < 0 || index > listCount())
        sys::raise(sys::ErrInvalidCall);
    m_items.insert(m_items.begin() + position, item);
    if (m_listIndex >= position)
        ++m_listIndex;
}

void ComboBox::removeItem(int index) {
    if (index < 0 || index >= listCount())
        sys::raise(sys::ErrInvalidCall);
    m_items.erase(m_items.begin() + index);
    if (m_listIndex == index) {
        m_listIndex = -1;
        if (m_style == ComboStyle::DropDownList)
            m_text.clear();
    } else if (m_listIndex > index) {
        --m_listIndex;
    }
}

void ComboBox::clear() {
    m_items.clear();
    m_listIndex = -1;
    m_text.clear();
}

int ComboBox::listCount() const {
    return int(m_items.size());
}

std::string ComboBox::list(int index) const {
    if (index < 0 || index >= listCount())
        return {};
    return m_items[size_t(index)];
}

int ComboBox::listIndex() const {
    return m_listIndex;
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount())
        sys::raise(380, "Invalid property value");
    m_listIndex = index;
    m_text = list(index);
    raiseEvent(onClick);
}

const std::string& ComboBox::text() const {
    return m_text;
}

void ComboBox::setText(const std::string& text) {
    if (m_style == ComboStyle::DropDownList) {
        int found = -1;
        for (int i = 0; i < listCount() && found < 0; ++i)
            if (m_items[size_t(i)] == text)
                found = i;
        for (int i = 0; i < listCount() && found < 0; ++i)
            if (sys::text::equal(m_items[size_t(i)], text, sys::text::Compare::IgnoreCase))
                found = i;
        if (found < 0)
            sys::raise(383, "'Text' property is read-only");
        if (found != m_listIndex)
            setListIndex(found);
        return;
    }
    if (text == m_text)
        return;
    m_text = text;
    raiseEvent(onChange);
}

void ComboBox::applyKey(int keyAscii, const std::string& character) {
    if (m_style == ComboStyle::DropDownList || keyAscii == 0)
        return;
    if (keyAscii == 8)
        setText(sys::text::left(m_text, sys::text::length(m_text) - 1));
    else if (keyAscii >= 32)
        setText(m_text + character);
}

void ComboBox::userSetText(const std::string& text) {
    if (m_style == ComboStyle::DropDownList)
        userSelectRow(text);
    else
        runUserEvent("Change", [this, &text] { setText(text); });
}

std::string ComboBox::describeValue() const {
    return describe::quote(m_text) + " " + describe::rows(m_items, m_listIndex);
}

} // namespace ui
