#pragma once

#include <memory>
#include <string>

namespace editor {

class WebFolder;

// An open web: a real folder on disk.
class Web {
public:
    // Opens the folder as a web; raises error 76 when it is no folder.
    explicit Web(const std::string& nativePath);
    ~Web();
    Web(const Web&) = delete;
    Web& operator=(const Web&) = delete;

    WebFolder& rootFolder();
    std::string url() const; // the web's address text

    // The web folder's real path, absolute, without "/" at its end.
    const std::string& nativePath() const;
    // Whether the real path lies inside the web (in its folder or below).
    bool holds(const std::string& nativePath) const;

private:
    std::unique_ptr<WebFolder> m_root;
};

} // namespace editor
