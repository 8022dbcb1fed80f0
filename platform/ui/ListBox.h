#pragma once

#include "platform/ui/Control.h"

#include <string>

namespace ui {

enum class Sorted { No, Yes };

class ListBox : public Control {
public:
    // A sorted list keeps its rows in order without regard to case.
    void setSorted(Sorted sorted);
    void addItem(const std::string& item, int index = -1);
    void removeItem(int index); // raises error 5 when out of range
    void clear();
    int listCount() const;
    std::string list(int index) const; // "" out of range
    void setList(int index, const std::string& item);
    int listIndex() const; // -1 when none
    // Runs onClick at once (also when the row stays the same); raises error 380 when out of range.
    void setListIndex(int index);
    std::function<void()> onClick;
    std::function<void()> onDblClick;
};

} // namespace ui
