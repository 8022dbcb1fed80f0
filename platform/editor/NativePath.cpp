#include "platform/editor/NativePath.h"

#include <filesystem>

namespace editor {

std::string NativePath::absolute(const std::string& path) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::weakly_canonical(path, error);
    if (error)
        full = std::filesystem::absolute(path, error).lexically_normal();
    std::string text = full.generic_string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

} // namespace editor
