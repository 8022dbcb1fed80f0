#pragma once

#include "platform/sys/FileSystem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// A web folder's entries on disk, found by name as Windows finds them: without regard to
// case, an entry of exactly that name winning over one that differs only in case.
class FolderEntries {
public:
    // The entry's name as the disk spells it; none when the folder holds no such entry.
    static std::optional<std::string> find(const std::string& folder, std::string_view name,
                                           sys::EntryKind kind);
    // Every entry of that name without regard to case, the exact spelling first: a folder
    // copied from a disk that tells case apart may hold "Images" beside "images".
    static std::vector<std::string> matches(const std::string& folder, std::string_view name,
                                            sys::EntryKind kind);
    // Whether the folder holds an entry of exactly that name among those its listing gives,
    // asked of the disk without listing the folder. False too for a folder that cannot be
    // read, which is left to the listing to report.
    static bool holds(const std::string& folder, std::string_view name, sys::EntryKind kind);
    static int count(const std::string& folder, sys::EntryKind kind);
    // The real path of an entry of the folder.
    static std::string join(const std::string& folder, std::string_view name);
};

} // namespace editor
