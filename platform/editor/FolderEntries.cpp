#include "platform/editor/FolderEntries.h"

#include "platform/sys/Text.h"

#include <filesystem>

#include <unistd.h>

namespace editor {

std::optional<std::string> FolderEntries::find(const std::string& folder, std::string_view name,
                                               sys::EntryKind kind) {
    // The exact spelling wins over the others, so it needs no listing.
    if (holds(folder, name, kind))
        return std::string(name);
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

bool FolderEntries::holds(const std::string& folder, std::string_view name, sys::EntryKind kind) {
    // A listing leaves out hidden entries, and no entry's name holds a separator or a NUL.
    if (name.empty() || name.front() == '.' ||
        name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return false;
    const std::string native = sys::FileSystem::nativePath(folder);
    if (::access(native.c_str(), R_OK) != 0)
        return false;
    // Followed through links, as the listing looks at its entries.
    std::error_code error;
    const auto status = std::filesystem::status(join(native, name), error);
    return kind == sys::EntryKind::File ? std::filesystem::is_regular_file(status)
                                        : std::filesystem::is_directory(status);
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
