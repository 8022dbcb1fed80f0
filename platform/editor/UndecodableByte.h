#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

// A byte of a page that does not decode in the page's charset, or that decodes to a character
// the parser would not keep (a control character), held in the page's text until the page is
// written back. The text shows it as a browser shows it, as one replacement character
// (U+FFFD); the two variation selectors that follow it show nothing and hold the byte's two
// halves, so that the byte goes back to disk as it was, wherever an edit moves it.
class UndecodableByte {
public:
    // Bytes of the mark in UTF-8.
    static constexpr std::size_t kLength = 9;

    static void append(std::string& text, unsigned char byte);
    // The byte whose mark starts at text[pos], if one does.
    static std::optional<unsigned char> at(std::string_view text, std::size_t pos);
    // Where the first mark at or after pos starts; npos when there is none.
    static std::size_t find(std::string_view text, std::size_t pos);
};

} // namespace editor
