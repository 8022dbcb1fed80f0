#include "platform/editor/FolderEntries.h"

#include "platform/sys/Text.h"

namespace editor {

std::optional<std::string> FolderEntries::find(const std::string& folder, std::string_view name,
                                               sys::EntryKind kind) {
    std::vector<std::string> found = matches(folder, name, kind);
    if (found.empty())
        return std::nullopt;
    return found.front();
}

std::vector<std::string> FolderEntries::matches(const std::string& folder, std::string_view name,
                                                sys::EntryKind kind) {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("/\\") != std::string_view::npos)
        return {};
    std::vector<std::string> found;
    for (std::string& entry : sys::FileSystem::list(folder, kind)) {
        if (entry == name)
            found.insert(found.begin(), std::move(entry));
        else if (sys::text::equal(entry, name, sys::text::Compare::IgnoreCase))
            found.push_back(std::move(entry));
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
