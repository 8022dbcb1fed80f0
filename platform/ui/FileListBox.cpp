#include "platform/ui/FileListBox.h"

#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"
#include "platform/ui/Describe.h"
#include "platform/ui/Event.h"
#include "platform/ui/Form.h"

namespace ui {

FileListBox::FileListBox(Form& form, std::string name, int index)
    : Control(form, std::move(name), index) {
    setBackColor(int32_t(0x80000005));
}

const std::string& FileListBox::path() const {
    return m_path;
}

void FileListBox::setPath(const std::string& path) {
    if (!sys::FileSystem::folderExists(path))
        sys::raise(sys::ErrPathNotFound);
    std::vector<std::string> files;
    for (auto& file : sys::FileSystem::list(path, sys::EntryKind::File))
        if (!file.empty() && file[0] != '.')
            files.push_back(std::move(file));
    // The path reads back without a closing separator, but for a root.
    std::string kept = path;
    while (kept.size() > 1 && (kept.back() == '\\' || kept.back() == '/') &&
           !(kept.size() == 3 && kept[1] == ':'))
        kept.pop_back();
    m_path = kept;
    m_files = std::move(files);
    m_listIndex = -1;
}

void FileListBox::refresh() {
    if (!m_path.empty())
        setPath(m_path);
}

int FileListBox::listCount() const {
    return int(m_files.size());
}

std::string FileListBox::list(int index) const {
    if (index < 0 || index >= listCount())
        return {};
    return m_files[size_t(index)];
}

int FileListBox::listIndex() const {
    return m_listIndex;
}

void FileListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount())
        sys::raise(380, "Invalid property value");
    m_listIndex = index;
    raiseEvent(onClick);
}

void FileListBox::userDblClick(int row) {
    if (row >= 0)
        userSelectRow(row);
    if (form().isLoaded())
        runUserEvent("DblClick", [this] { raiseEvent(onDblClick); });
}

std::string FileListBox::describeValue() const {
    return describe::quote(m_path) + " " + describe::rows(m_files, m_listIndex);
}

} // namespace ui
