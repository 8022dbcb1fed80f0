#pragma once

#include <string>

namespace editor {

class WebFiles;
class WebFolders;

class WebFolder {
public:
    std::string name() const;
    std::string url() const; // address text, no "/" at its end
    WebFiles& files();
    WebFolders& folders();
};

// A folder's sub-folders; item raises error 9 when there is none of that name.
class WebFolders {
public:
    int count() const;
    WebFolder& item(const std::string& name);
};

} // namespace editor
