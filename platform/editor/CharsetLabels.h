#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace editor {

// The names a page may give its charset ("latin1", "x-sjis", "windows-1256", ...), read as
// browsers read them: several labels name one charset, and the old single-byte labels
// "iso-8859-1" and "us-ascii" stand for windows-1252, as legacy pages meant them.
class CharsetLabels {
public:
    // The charset's canonical name ("windows-1252", "UTF-8", "Shift_JIS"); none for a label
    // that names no charset we can read.
    static std::optional<std::string> canonical(std::string_view label);
    // The name under which the system's converter (iconv) knows a canonical charset.
    static std::string converterName(std::string_view canonical);
};

} // namespace editor
