#include "platform/editor/NativePath.h"

#include "platform/sys/FileSystem.h"

#include <filesystem>

namespace editor {

std::string NativePath::absolute(const std::string& path) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    if (error)
        full = path;
    // Names are found without regard to case, as the file layer finds them; the path keeps
    // the disk's spelling, so that a page opened as "SITE/index.htm" lies in the web "site".
    std::string spelled = sys::FileSystem::nativePath(full.generic_string());
    std::filesystem::path canonical = std::filesystem::weakly_canonical(spelled, error);
    if (error)
        canonical = std::filesystem::path(spelled).lexically_normal();
    std::string text = canonical.generic_string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

} // namespace editor
