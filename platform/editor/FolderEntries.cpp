#include "platform/editor/FolderEntries.h"

#include "platform/sys/Text.h"

namespace editor {

std::optional<std::string> FolderEntries::find(const std::string& folder, std::string_view name,
                                               sys::EntryKind kind) {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("/\\") != std::string_view::npos)
        return std::nullopt;
    std::optional<std::string> found;
    for (const std::string& entry : sys::FileSystem::list(folder, kind)) {
        if (entry == name)
            return entry;
        if (!found && sys::text::equal(entry, name, sys::text::Compare::IgnoreCase))
            found = entry;
    }
    return found;
}

int FolderEntries::count(const std::string& folder, sys::EntryKind kind) {
    return static_cast<int>(sys::FileSystem::list(folder, kind).size());
}

std::string FolderEntries::join(const std::string& folder, std::string_view name) {
    std::string path = folder;
    if (path.empty() || path.back() != '/')
        path += '/';
    return path + std::string(name);
}

} // namespace editor
