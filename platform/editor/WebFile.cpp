#include "platform/editor/WebFile.h"

#include "platform/editor/FileAddress.h"

#include <filesystem>
#include <utility>

namespace editor {

WebFile::WebFile(std::string nativePath) : m_nativePath(std::move(nativePath)) {}

std::string WebFile::name() const {
    return std::filesystem::path(m_nativePath).filename();
}

std::string WebFile::url() const {
    return FileAddress::fromNativePath(m_nativePath);
}

} // namespace editor
