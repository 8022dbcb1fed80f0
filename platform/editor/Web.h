#pragma once

#include <string>

namespace editor {

class WebFolder;

// An open web: a real folder on disk.
class Web {
public:
    WebFolder& rootFolder();
    std::string url() const; // the web's address text
};

} // namespace editor
