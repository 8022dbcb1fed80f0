#include "platform/editor/Web.h"

#include "platform/editor/NativePath.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/Error.h"

#include <filesystem>

namespace editor {

Web::Web(const std::string& nativePath) {
    std::string folder = NativePath::absolute(nativePath);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        sys::raise(sys::ErrPathNotFound);
    m_root = std::make_unique<WebFolder>(folder);
}

Web::~Web() = default;

WebFolder& Web::rootFolder() {
    return *m_root;
}

std::string Web::url() const {
    return m_root->url();
}

const std::string& Web::nativePath() const {
    return m_root->nativePath();
}

bool Web::holds(const std::string& nativePath) const {
    std::string root = m_root->nativePath();
    if (root != "/")
        root += '/';
    return nativePath.size() > root.size() && nativePath.compare(0, root.size(), root) == 0;
}

} // namespace editor
