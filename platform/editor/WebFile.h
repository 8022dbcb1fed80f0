#pragma once

#include "platform/editor/WebFiles.h"

#include <string>

namespace editor {

// A file of an open web: a real file on disk.
class WebFile {
public:
    explicit WebFile(std::string nativePath);

    std::string name() const; // file name, "logo.gif"
    std::string url() const;  // address text; UrlToPath turns it into a local path

    const std::string& nativePath() const { return m_nativePath; }

private:
    std::string m_nativePath;
};

} // namespace editor
