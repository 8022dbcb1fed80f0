#pragma once

#include <string>

namespace editor {

class WebFile {
public:
    std::string name() const; // file name, "logo.gif"
    std::string url() const;  // address text; UrlToPath turns it into a local path
};

// A folder's files, read from the disk at each call.
class WebFiles {
public:
    int count() const;
    // By address (the folder's address, "/" and a relative path, possibly into sub-folders,
    // without regard to case); raises error 9 when there is none.
    WebFile& item(const std::string& address);
    // Imports a local file into the folder under its own name, replacing one of that name when
    // overwrite is true; raises when the file is missing or exists and overwrite is false.
    WebFile& add(const std::string& localPath, bool overwrite);
};

} // namespace editor
