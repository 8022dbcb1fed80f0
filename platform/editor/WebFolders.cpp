#include "platform/editor/WebFolders.h"

#include "platform/editor/FolderEntries.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/Error.h"

namespace editor {

WebFolders::WebFolders(const WebFolder& folder) : m_folder(folder) {}

WebFolders::~WebFolders() = default;

int WebFolders::count() const {
    return FolderEntries::count(m_folder.nativePath(), sys::EntryKind::Folder);
}

WebFolder& WebFolders::item(const std::string& name) {
    auto entry = FolderEntries::find(m_folder.nativePath(), name, sys::EntryKind::Folder);
    if (!entry)
        sys::raise(sys::ErrSubscript);
    std::string path = FolderEntries::join(m_folder.nativePath(), *entry);
    auto& folder = m_folders[path];
    if (!folder)
        folder = std::make_unique<WebFolder>(path);
    return *folder;
}

} // namespace editor
