#include "platform/editor/FileAddress.h"

#include "platform/sys/Text.h"

namespace editor {

namespace {

constexpr std::string_view kScheme = "file:///";
constexpr std::string_view kDrive = "C:";

} // namespace

std::string FileAddress::fromNativePath(std::string_view nativePath) {
    std::string path(nativePath);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (path == "/")
        path.clear(); // the root folder: no "/" at the end of a folder's address
    return std::string(kScheme) + std::string(kDrive) + path;
}

std::optional<std::string> FileAddress::toNativePath(std::string_view address) {
    if (address.size() < kScheme.size() ||
        !sys::text::equal(address.substr(0, kScheme.size()), kScheme,
                          sys::text::Compare::IgnoreCase))
        return std::nullopt;
    std::string_view rest = address.substr(kScheme.size());
    if (rest.size() >= 2 && rest[1] == ':' &&
        ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z')))
        rest.remove_prefix(2);
    std::string path(rest);
    for (char& c : path)
        if (c == '\\')
            c = '/';
    if (path.empty() || path.front() != '/')
        path.insert(path.begin(), '/');
    return path;
}

} // namespace editor
