#pragma once

#include <map>
#include <memory>
#include <string>

namespace editor {

class WebFile;
class WebFolder;

// A folder's files, read from the disk at each call. The WebFile objects it gives stay valid
// while the web is open.
class WebFiles {
public:
    explicit WebFiles(const WebFolder& folder);
    ~WebFiles();
    WebFiles(const WebFiles&) = delete;
    WebFiles& operator=(const WebFiles&) = delete;

    int count() const;
    // By address (the folder's address, "/" and a relative path, possibly into sub-folders,
    // %-escaped or not, with or without a query, without regard to case); raises error 9 when
    // there is none.
    WebFile& item(const std::string& address);
    // Imports a local file into the folder under its own name, replacing one of that name when
    // overwrite is true; raises when the file is missing or exists and overwrite is false.
    WebFile& add(const std::string& localPath, bool overwrite);

private:
    WebFile& fileAt(const std::string& nativePath);

    const WebFolder& m_folder;
    std::map<std::string, std::unique_ptr<WebFile>> m_files; // by real path
};

} // namespace editor
