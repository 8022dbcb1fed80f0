#include "platform/editor/WebFiles.h"

#include "platform/editor/FileAddress.h"
#include "platform/editor/FolderEntries.h"
#include "platform/editor/WebFile.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Text.h"

#include <optional>
#include <vector>

namespace editor {

namespace {

// "a/./b/../c" as segments {"a", "c"}; "\" counts as "/". None when ".." leaves the folder.
std::optional<std::vector<std::string>> segmentsOf(std::string_view relative) {
    std::vector<std::string> segments;
    std::string segment;
    auto close = [&]() {
        if (segment == "..") {
            if (segments.empty())
                return false;
            segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        segment.clear();
        return true;
    };
    for (char c : relative) {
        if (c == '/' || c == '\\') {
            if (!close())
                return std::nullopt;
        } else {
            segment += c;
        }
    }
    if (!close())
        return std::nullopt;
    return segments;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "my%20logo.gif" as "my logo.gif": pages may escape what the file name holds as it is.
std::string percentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '%' && k + 2 < text.size() && hexValue(text[k + 1]) >= 0 &&
            hexValue(text[k + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[k + 1]) * 16 + hexValue(text[k + 2]));
            k += 2;
        } else {
            out += text[k];
        }
    }
    return out;
}

// The real path of the file that the segments from k on name below folder; none when a folder
// or the file is missing. Each segment is found without regard to case, as written or with its
// %-escapes decoded ("my%20logo.gif" is "my logo.gif"); a decoded "/" separates nothing. Of
// several entries that fit a segment, the first that leads to the file is taken.
std::optional<std::string> resolve(const std::string& folder,
                                   const std::vector<std::string>& segments, std::size_t k) {
    bool last = k + 1 == segments.size();
    sys::EntryKind kind = last ? sys::EntryKind::File : sys::EntryKind::Folder;
    std::vector<std::string> spellings{segments[k]};
    if (std::string decoded = percentDecoded(segments[k]); decoded != segments[k])
        spellings.push_back(decoded);
    auto follow = [&](const std::string& entry) -> std::optional<std::string> {
        std::string path = FolderEntries::join(folder, entry);
        return last ? path : resolve(path, segments, k + 1);
    };
    for (const std::string& spelling : spellings) {
        // The exact spelling, which comes first, is asked of the disk without listing the
        // folder: a web folder may hold thousands of files, and a form as many pictures.
        const bool exact = FolderEntries::holds(folder, spelling, kind);
        if (exact)
            if (auto found = follow(spelling))
                return found;
        for (const std::string& entry : FolderEntries::matches(folder, spelling, kind))
            if (!(exact && entry == spelling))
                if (auto found = follow(entry))
                    return found;
    }
    return std::nullopt;
}

// The file that a relative address names below folder.
std::optional<std::string> lookUp(const std::string& folder, std::string_view relative) {
    auto segments = segmentsOf(relative);
    if (!segments || segments->empty())
        return std::nullopt;
    return resolve(folder, *segments, 0);
}

// The part of address below the folder: after the folder's address and "/" (without regard
// to case), or the whole of an address that names no scheme (already relative).
std::optional<std::string> relativePart(const std::string& address, const WebFolder& folder) {
    std::string prefix = folder.url() + "/";
    if (address.size() >= prefix.size() &&
        sys::text::equal(address.substr(0, prefix.size()), prefix, sys::text::Compare::IgnoreCase))
        return address.substr(prefix.size());
    if (address.find(':') == std::string::npos && !address.empty() && address.front() != '/' &&
        address.front() != '\\')
        return address;
    return std::nullopt;
}

std::string fileNameOf(std::string_view path) {
    std::size_t cut = path.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

} // namespace

WebFiles::WebFiles(const WebFolder& folder) : m_folder(folder) {}

WebFiles::~WebFiles() = default;

int WebFiles::count() const {
    return FolderEntries::count(m_folder.nativePath(), sys::EntryKind::File);
}

WebFile& WebFiles::item(const std::string& address) {
    auto relative = relativePart(address, m_folder);
    if (!relative)
        sys::raise(sys::ErrSubscript);
    std::optional<std::string> path = lookUp(m_folder.nativePath(), *relative);
    // "logo.gif?v=2" is the file logo.gif: a query or a fragment names no part of the file.
    // A folder's name may hold "#" itself, so each place where one may begin is tried.
    for (std::size_t cut = relative->find_first_of("?#"); !path && cut != std::string::npos;
         cut = relative->find_first_of("?#", cut + 1))
        path = lookUp(m_folder.nativePath(), std::string_view(*relative).substr(0, cut));
    if (!path)
        sys::raise(sys::ErrSubscript);
    return fileAt(*path);
}

WebFile& WebFiles::add(const std::string& localPath, bool overwrite) {
    std::string source = localPath;
    if (auto fromAddress = FileAddress::toNativePath(localPath))
        source = *fromAddress;
    if (!sys::FileSystem::fileExists(source))
        sys::raise(sys::ErrFileNotFound);
    std::string name = fileNameOf(localPath);
    std::string target = FolderEntries::join(m_folder.nativePath(), name);
    // A file of that name in another case is the same file, as on Windows: it is replaced.
    if (auto existing = FolderEntries::find(m_folder.nativePath(), name, sys::EntryKind::File)) {
        if (!overwrite)
            sys::raise(sys::ErrFileAlreadyExists);
        target = FolderEntries::join(m_folder.nativePath(), *existing);
    }
    sys::FileSystem::replaceBytes(target, sys::FileSystem::readBytes(source));
    return fileAt(target);
}

WebFile& WebFiles::fileAt(const std::string& nativePath) {
    auto& file = m_files[nativePath];
    if (!file)
        file = std::make_unique<WebFile>(nativePath);
    return *file;
}

} // namespace editor
