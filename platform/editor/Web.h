#pragma once

#include <memory>
#include <string>

namespace editor {

class WebFolder;

// An open web: a real folder on disk. The editor also answers with a closed web when none is
// open: its address is empty, which is how a tool learns that the page lies in no web.
class Web {
public:
    // The closed web: no folder, an empty address.
    Web();
    // Opens the folder as a web; raises error 76 when it is no folder.
    explicit Web(const std::string& nativePath);
    ~Web();
    Web(const Web&) = delete;
    Web& operator=(const Web&) = delete;

    bool isOpen() const { return m_root != nullptr; }
    // Raises error 91 for the closed web.
    WebFolder& rootFolder();
    std::string url() const; // the web's address text; empty for the closed web

    // The web folder's real path, absolute, without "/" at its end; empty for the closed web.
    const std::string& nativePath() const;
    // Whether the real path lies inside the web (in its folder or below); never for the closed
    // web.
    bool holds(const std::string& nativePath) const;

private:
    std::unique_ptr<WebFolder> m_root;
};

} // namespace editor
