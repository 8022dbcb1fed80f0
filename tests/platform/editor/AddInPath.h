#pragma once

#include "platform/sys/Text.h"

#include <string>

// What the add-in does with a web file's address to reach the file: every "/" becomes "\" and
// a leading "file:\\\" (any case) goes; the file layer then maps "C:\..." onto the real path.
inline std::string addInPathOf(const std::string& address) {
    std::string path = address;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    if (path.size() > 8 && sys::text::upper(path.substr(0, 8)) == "FILE:\\\\\\")
        path = path.substr(8);
    return path;
}
