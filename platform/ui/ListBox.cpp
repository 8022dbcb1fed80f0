#include "platform/ui/ListBox.h"

#include "platform/sys/Error.h"
#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"
#include "platform/ui/Form.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace ui {

namespace {

using Collator = std::unique_ptr<UCollator, decltype(&ucol_close)>;

// The order in which people look for text: ICU's root collation, which puts accented letters
// beside their base letters and weighs case last, upper case first among rows otherwise equal.
const UCollator& PeoplesOrder() {
    static const Collator collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        Collator opened(ucol_open("", &status), &ucol_close);
        if (U_SUCCESS(status))
            ucol_setAttribute(opened.get(), UCOL_CASE_FIRST, UCOL_UPPER_FIRST, &status);
        if (U_FAILURE(status))
            sys::raise(sys::ErrInvalidCall, "No collation to sort text with");
        return opened;
    }();
    return *collator;
}

// In people's order; rows that collate alike (the same text, or the same letters composed
// another way) by their bytes, so that the order never depends on how the rows came.
bool sortsBefore(const std::string& a, const std::string& b) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult order =
        ucol_strcollUTF8(&PeoplesOrder(), a.data(), std::int32_t(a.size()), b.data(),
                         std::int32_t(b.size()), &status);
    if (U_SUCCESS(status) && order != UCOL_EQUAL)
        return order == UCOL_LESS;
    return a < b;
}

} // namespace

ListBox::ListBox(Form& form, std::string name, int index) : Control(form, std::move(name), index) {
    setBackColor(int32_t(0x80000005));
}

void ListBox::setSorted(Sorted sorted) {
    m_sorted = sorted == Sorted::Yes;
    if (m_sorted) {
        const std::string selected = text();
        std::stable_sort(m_items.begin(), m_items.end(), sortsBefore);
        if (m_listIndex >= 0)
            m_listIndex =
                int(std::find(m_items.begin(), m_items.end(), selected) - m_items.begin());
    }
}

bool ListBox::sorted() const {
    return m_sorted;
}

void ListBox::addItem(const std::string& item, int index) {
    int position = 0;
    if (m_sorted) {
        position = int(std::upper_bound(m_items.begin(), m_items.end(), item, sortsBefore) -
                       m_items.begin());
    } else if (index == -1) {
        position = listCount();
    } else {
        if (index < 0 || index > listCount())
            sys::raise(sys::ErrInvalidCall);
        position = index;
    }
    m_items.insert(m_items.begin() + position, item);
    if (m_listIndex >= position)
        ++m_listIndex;
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= listCount())
        sys::raise(sys::ErrInvalidCall);
    m_items.erase(m_items.begin() + index);
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
}

void ListBox::clear() {
    m_items.clear();
    m_listIndex = -1;
}

int ListBox::listCount() const {
    return int(m_items.size());
}

std::string ListBox::list(int index) const {
    if (index < 0 || index >= listCount())
        return {};
    return m_items[size_t(index)];
}

void ListBox::setList(int index, const std::string& item) {
    if (index < 0 || index >= listCount())
        sys::raise(381, "Invalid property array index");
    m_items[size_t(index)] = item;
}

int ListBox::listIndex() const {
    return m_listIndex;
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount())
        sys::raise(380, "Invalid property value");
    m_listIndex = index;
    raiseEvent(onClick);
}

std::string ListBox::text() const {
    return list(m_listIndex);
}

void ListBox::userClick() {
    runUserEvent("Click", [this] { raiseEvent(onClick); });
}

void ListBox::userDblClick(int row) {
    if (row >= 0)
        userSelectRow(row);
    if (form().isLoaded())
        runUserEvent("DblClick", [this] { raiseEvent(onDblClick); });
}

std::string ListBox::describeValue() const {
    return describe::rows(m_items, m_listIndex);
}

} // namespace ui
