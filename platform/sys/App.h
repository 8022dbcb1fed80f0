#pragma once

#include <string>

namespace sys {

// The add-in's installation folder, as the add-in builds its paths from it ("<path>\Scripts\").
// The host sets it before it loads the add-in.
class App {
public:
    static const std::string& path();
    static void setPath(const std::string& path);
};

} // namespace sys
