#pragma once

#include "platform/ui/Control.h"

#include <string>
#include <vector>

namespace ui {

enum class Sorted { No, Yes };

class ListBox : public Control {
public:
    ListBox(Form& form, std::string name, int index);

    // A sorted list keeps its rows in the order people sort text in: accented letters beside
    // their base letters, case ignored (rows equal but for case stand together, upper case
    // first, so equal rows are always neighbours).
    void setSorted(Sorted sorted);
    bool sorted() const;
    // A sorted list ignores index and puts the row in its place; otherwise index -1 appends.
    // Raises error 5 when index lies outside 0 to ListCount.
    void addItem(const std::string& item, int index = -1);
    void removeItem(int index); // raises error 5 when out of range
    void clear();
    int listCount() const;
    std::string list(int index) const;                // "" out of range
    void setList(int index, const std::string& item); // raises error 381 when out of range
    int listIndex() const;                            // -1 when none
    // Runs onClick at once (also when the row stays the same); raises error 380 when out of range.
    void setListIndex(int index);
    // The selected row's text, "" when none is selected.
    std::string text() const;
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    void userClick() override;
    void userDblClick(int row) override;

protected:
    std::string kind() const override { return "list"; }
    std::string describeValue() const override;
    std::optional<std::vector<std::string>> rows() const override { return m_items; }
    void pickRow(int row) override { setListIndex(row); }

private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
    bool m_sorted = false;
};

} // namespace ui
