#pragma once

#include <string>

namespace editor {

// Real paths as the editor keeps them for its webs and pages: absolute, names spelled as on
// disk (found without regard to case), symbolic links and "." / ".." resolved as far as the
// path exists, without "/" at the end, so that a page's address begins with its web's address.
class NativePath {
public:
    static std::string absolute(const std::string& path);
};

} // namespace editor
