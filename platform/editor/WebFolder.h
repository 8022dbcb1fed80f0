#pragma once

#include "platform/editor/WebFolders.h"

#include <memory>
#include <string>

namespace editor {

class WebFiles;

// A folder of an open web: a real folder on disk.
class WebFolder {
public:
    explicit WebFolder(std::string nativePath);
    ~WebFolder();
    WebFolder(const WebFolder&) = delete;
    WebFolder& operator=(const WebFolder&) = delete;

    std::string name() const;
    std::string url() const; // address text, no "/" at its end
    WebFiles& files();
    WebFolders& folders();

    const std::string& nativePath() const { return m_nativePath; }

private:
    std::string m_nativePath;
    std::unique_ptr<WebFiles> m_files;
    std::unique_ptr<WebFolders> m_folders;
};

} // namespace editor
