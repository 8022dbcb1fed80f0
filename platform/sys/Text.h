#pragma once

#include <string>
#include <string_view>

// Text is UTF-8 throughout. Where the add-in counts characters (lengths, positions, "the last
// six characters", the 32,767 limits) it counts them here, never bytes. Positions are 1-based
// and 0 means "not found", as the add-in's routines use them.
namespace sys::text {

enum class Compare {
    Exact,     // character by character, case-sensitive
    IgnoreCase // letters equal to their other case, everything else exact
};

// Number of characters.
long length(std::string_view s);

// The first / last n characters (all of s when it is shorter; empty for n <= 0).
std::string left(std::string_view s, long n);
std::string right(std::string_view s, long n);

// count characters from the 1-based position start; count < 0 means "to the end".
std::string mid(std::string_view s, long start, long count = -1);

// 1-based position of the first needle at or after character position start, 0 when none.
// An empty needle is found at start (when start lies within s or just after it).
long find(std::string_view haystack, std::string_view needle, long start = 1,
          Compare compare = Compare::Exact);

std::string upper(std::string_view s);
std::string lower(std::string_view s);
// Only "A" to "Z" lowered, as markup names and charset labels compare.
std::string lowerAscii(std::string_view s);
// Equal with only "A" to "Z" taken for their lower case.
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);
bool equal(std::string_view a, std::string_view b, Compare compare);

// Removes blanks (spaces only, not tabs or line ends) from both ends / the start / the end.
std::string trim(std::string_view s);
std::string trimLeft(std::string_view s);
std::string trimRight(std::string_view s);

// Conversion at the boundary of files kept in the system's ANSI code page (Windows-1252).
std::string fromAnsi(std::string_view bytes);
// Characters that the code page lacks become "?".
std::string toAnsi(std::string_view utf8);
// The ANSI code of the first character of s (63, "?", when the code page lacks it; 0 for "").
int ansiCode(std::string_view s);

// Appends the character with code point cp, encoded in UTF-8.
void appendUtf8(std::string& out, char32_t cp);

// The byte offset of the first needle at or after the byte offset from, npos when none: what
// std::string_view::find gives, found faster in long texts.
size_t findBytes(std::string_view haystack, std::string_view needle, size_t from = 0);
// Whether every byte of s belongs to a character: no byte counts as one of its own.
bool wellFormed(std::string_view s);
// The byte length of the character that starts at s[i]; 1 for a byte that starts none.
size_t charLength(std::string_view s, size_t i);

// The byte offset of the 1-based character position pos (s.size() when past the end).
size_t byteOffset(std::string_view s, long pos);

} // namespace sys::text
