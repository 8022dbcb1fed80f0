#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sys::text {

// A text searched again and again without regard to case from places that only move on, as
// replacing every occurrence searches it. The text is folded to one case once, and character
// positions are turned into byte offsets and back by walking on from the last answer, so a run
// of searches through the whole text costs about its length, not that length for each search.
// find and mid answer exactly as text::find (without regard to case) and text::mid answer on
// the text itself. The text must outlive its FoldedText.
class FoldedText {
public:
    explicit FoldedText(std::string_view text);

    // The 1-based position of the first needle at or after the position start, 0 when none.
    long find(std::string_view needle, long start = 1);
    // count characters from the position start; count < 0 means "to the end".
    std::string_view mid(long start, long count = -1);

    // The first needle at or after the byte offset from (where a character starts, or the
    // text's end), as bytes: where its position starts and where the position just after its
    // length starts, as find, length and byteOffset give them. None when there is none.
    struct Occurrence {
        std::size_t begin;
        std::size_t end;
    };
    std::optional<Occurrence> next(std::string_view needle, std::size_t from);

private:
    // A character's position and the byte offset where it starts; the end of the text is the
    // position after the last character.
    struct Place {
        long position = 1;
        std::size_t offset = 0;
    };
    // The byte length of the character that starts at the offset.
    std::size_t lengthAt(std::size_t offset) const;
    // Moves m_start to the position; false when the text ends before it.
    bool seek(long position);
    // The position that a match at this byte offset has: the characters before it, plus one.
    long positionAt(std::size_t offset);

    std::string_view m_text;
    std::string m_folded;
    Place m_start; // where the last seek stopped
    Place m_match; // the last character start that positionAt reached
};

} // namespace sys::text
