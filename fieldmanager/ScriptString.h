#pragma once

#include <string>
#include <string_view>

namespace zirirur {

// The text between the single quotes of a string in a field's script, as the status text is
// written there: what would end the string or the line is escaped (a backslash as \\, an
// apostrophe as \x27, line breaks as \r, \n, \u2028, \u2029), so that no apostrophe stands
// inside it. Any other text is written as it stands, so status texts written before read the
// same.
class ScriptString {
public:
    static std::string escaped(std::string_view text);
    // The text again. Only the escapes that escaped() writes are read back; any other backslash
    // stands as it is, as pages written before hold their text unescaped.
    static std::string unescaped(std::string_view literal);
};

} // namespace zirirur
