#pragma once

#include <string>
#include <string_view>

namespace zirirur {

// The text between the single quotes of a string in a field's script, as the status text is
// written there: what would end the string or the line is escaped (a backslash as \\, an
// apostrophe as \x27, line breaks as \r, \n, \u2028, \u2029), and so are the control
// characters, which the markup would not carry as they are (a tab as \t, the others as \xHH).
// Any other text is written as it stands, so status texts written before read the same.
class ScriptString {
public:
    static std::string escaped(std::string_view text);
    // The text again, every escape read as the browser reads it in an event handler: \n, \t and
    // the other letters, \0 and the octal escapes, \xHH, \uHHHH (a surrogate pair as its one
    // character, a lone surrogate as U+FFFD, which no text of ours can hold), \u{...}, a
    // backslash before a line break as nothing and before any other character as that
    // character. An escape that the browser would refuse (\x4, \u12) stands as it is, and so
    // does text without a backslash.
    static std::string unescaped(std::string_view literal);
    // The string that the first opening (found without regard to case) of a run of statements
    // starts, read back: it ends at the first quote that no backslash escapes, as the browser
    // ends it; empty when either is missing.
    static std::string readAfter(std::string_view statements, std::string_view opening);
};

} // namespace zirirur
