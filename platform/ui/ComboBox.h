#pragma once

#include "platform/ui/Control.h"

#include <string>

namespace ui {

class ComboBox : public Control {
public:
    void addItem(const std::string& item, int index = -1);
    void removeItem(int index);
    void clear();
    int listCount() const;
    std::string list(int index) const;
    int listIndex() const;
    void setListIndex(int index); // the row's text becomes the text; runs onClick
    const std::string& text() const;
    void setText(const std::string& text); // runs onChange when it differs
    std::function<void()> onClick;
    std::function<void()> onChange;
};

} // namespace ui
