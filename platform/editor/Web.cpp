#include "platform/editor/Web.h"

#include "platform/editor/NativePath.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/Error.h"

#include <filesystem>

namespace editor {

Web::Web() = default;

Web::Web(const std::string& nativePath) {
    std::string folder = NativePath::absolute(nativePath);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        sys::raise(sys::ErrPathNotFound);
    m_root = std::make_unique<WebFolder>(folder);
}

Web::~Web() = default;

WebFolder& Web::rootFolder() {
    if (!m_root)
        sys::raise(sys::ErrObjectVariableNotSet, "No web is open");
    return *m_root;
}

std::string Web::url() const {
    return m_root ? m_root->url() : std::string();
}

const std::string& Web::nativePath() const {
    static const std::string none;
    return m_root ? m_root->nativePath() : none;
}

bool Web::holds(const std::string& nativePath) const {
    if (!m_root)
        return false;
    std::string root = m_root->nativePath();
    if (root != "/")
        root += '/';
    return nativePath.size() > root.size() && nativePath.compare(0, root.size(), root) == 0;
}

} // namespace editor
