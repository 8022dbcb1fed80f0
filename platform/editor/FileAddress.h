#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace editor {

// Addresses of files on disk, as the editor gives them: "file:///C:" and the real absolute
// path with "/" ("file:///C:/tmp/web/images/logo.gif"). The add-in turns such an address into
// "C:\tmp\web\images\logo.gif", which the file layer maps back onto "/tmp/web/images/logo.gif".
// Characters are kept as they are (no %-escapes): the add-in cuts addresses by characters.
class FileAddress {
public:
    static std::string fromNativePath(std::string_view nativePath);
    // The real path of a file address ("file:///" with any case, a drive letter or none);
    // none for an address of another kind.
    static std::optional<std::string> toNativePath(std::string_view address);
};

} // namespace editor
