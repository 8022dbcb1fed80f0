#pragma once

#include "platform/ui/Control.h"

#include <string>
#include <vector>

namespace ui {

// Lists the files of one folder (no sub-folders, no hidden or system files), sorted without
// regard to case.
class FileListBox : public Control {
public:
    FileListBox(Form& form, std::string name, int index);

    const std::string& path() const;
    // Reads the folder's files. A folder that does not exist raises error 76 and leaves the
    // path and the rows as they were.
    void setPath(const std::string& path);
    // Reads the folder again.
    void refresh();
    int listCount() const;
    std::string list(int index) const; // "" out of range
    int listIndex() const;
    void setListIndex(int index); // runs onClick; raises error 380 when out of range
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    void userDblClick(int row) override;

protected:
    std::string kind() const override { return "filelist"; }
    std::string describeValue() const override;
    std::optional<std::vector<std::string>> rows() const override { return m_files; }
    void pickRow(int row) override { setListIndex(row); }

private:
    std::string m_path;
    std::vector<std::string> m_files;
    int m_listIndex = -1;
};

} // namespace ui
