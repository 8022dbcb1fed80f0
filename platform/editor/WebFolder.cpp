#include "platform/editor/WebFolder.h"

#include "platform/editor/FileAddress.h"
#include "platform/editor/WebFiles.h"

#include <filesystem>
#include <utility>

namespace editor {

WebFolder::WebFolder(std::string nativePath)
    : m_nativePath(std::move(nativePath)), m_files(std::make_unique<WebFiles>(*this)),
      m_folders(std::make_unique<WebFolders>(*this)) {}

WebFolder::~WebFolder() = default;

std::string WebFolder::name() const {
    return std::filesystem::path(m_nativePath).filename();
}

std::string WebFolder::url() const {
    return FileAddress::fromNativePath(m_nativePath);
}

WebFiles& WebFolder::files() {
    return *m_files;
}

WebFolders& WebFolder::folders() {
    return *m_folders;
}

} // namespace editor
