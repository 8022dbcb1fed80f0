#include "fieldmanager/ScriptString.h"

#include "platform/sys/Text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace zirirur {

namespace text = sys::text;

namespace {

struct Escape {
    std::string_view character;
    std::string_view written;
};

// What escaped() writes for what would end the string or the line, and for a tab; the other
// control characters go as \xHH.
constexpr std::array<Escape, 7> Escapes{{
    {"\\", "\\\\"},
    {"'", "\\x27"},
    {"\r", "\\r"},
    {"\n", "\\n"},
    {"\t", "\\t"},
    {"\u2028", "\\u2028"}, // line and paragraph separators end a line in older scripts
    {"\u2029", "\\u2029"},
}};

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// The value of a run of hexadecimal digits, held at 0x110000 once it is beyond every
// character; -1 when the run is empty or holds anything else.
long hexValue(std::string_view digits) {
    if (digits.empty())
        return -1;
    long value = 0;
    for (char c : digits) {
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0)
            return -1;
        value = std::min(value * 16 + digit, 0x110000L);
    }
    return value;
}

constexpr long Nothing = -1;

// One escape read at a backslash: the bytes it takes and the code unit or code point it
// gives (Nothing for a line continuation, and for a backslash that only drops away before the
// character after it, which is then read as it stands). A length of 0: the browser would
// refuse it, and the backslash stands as it is.
struct Reading {
    std::size_t length;
    long value;
};

// The letters that stand for a control character after a backslash, and the backslash.
constexpr std::array<std::pair<char, char>, 7> Letters{{
    {'b', '\b'},
    {'f', '\f'},
    {'n', '\n'},
    {'r', '\r'},
    {'t', '\t'},
    {'v', '\v'},
    {'\\', '\\'},
}};

Reading escapeAt(std::string_view s) {
    if (s.size() < 2)
        return {0, Nothing};
    const char c = s[1];
    for (const auto& [letter, value] : Letters)
        if (c == letter)
            return {2, value};
    // A line continuation; CR LF is one line break.
    if (c == '\n')
        return {2, Nothing};
    if (c == '\r')
        return {s.substr(2, 1) == "\n" ? 3u : 2u, Nothing};
    if (s.substr(1, 3) == "\u2028" || s.substr(1, 3) == "\u2029")
        return {4, Nothing};
    if (c == 'x') {
        const long value = s.size() >= 4 ? hexValue(s.substr(2, 2)) : -1;
        return value < 0 ? Reading{0, Nothing} : Reading{4, value};
    }
    if (c == 'u' && s.substr(2, 1) == "{") {
        const std::size_t close = s.find('}', 3);
        const long value = close == std::string_view::npos ? -1 : hexValue(s.substr(3, close - 3));
        return value < 0 || value > 0x10FFFF ? Reading{0, Nothing} : Reading{close + 1, value};
    }
    if (c == 'u') {
        const long value = s.size() >= 6 ? hexValue(s.substr(2, 4)) : -1;
        return value < 0 ? Reading{0, Nothing} : Reading{6, value};
    }
    if (c >= '0' && c <= '7') {
        // Up to three octal digits from 0 to 3, up to two from 4 to 7; "\0" alone is NUL.
        const std::size_t most = c <= '3' ? 3 : 2;
        std::size_t length = 1;
        long value = 0;
        while (length <= most && length < s.size() && s[length] >= '0' && s[length] <= '7')
            value = value * 8 + (s[length++] - '0');
        return {length, value};
    }
    return {1, Nothing};
}

} // namespace

std::string ScriptString::escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Escape* found = nullptr;
        for (const Escape& escape : Escapes)
            if (text.substr(i, escape.character.size()) == escape.character) {
                found = &escape;
                break;
            }
        if (found) {
            out += found->written;
            i += found->character.size();
        } else if (isControl(text[i])) {
            char written[5];
            std::snprintf(written, sizeof written, "\\x%02X", static_cast<unsigned char>(text[i]));
            out += written;
            ++i;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string ScriptString::unescaped(std::string_view literal) {
    std::string out;
    out.reserve(literal.size());
    // A high surrogate waits for the low one that may follow it.
    char32_t high = 0;
    auto settle = [&] {
        if (high)
            text::appendUtf8(out, 0xFFFD);
        high = 0;
    };
    auto put = [&](char32_t unit) {
        if (high && unit >= 0xDC00 && unit <= 0xDFFF) {
            text::appendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
            high = 0;
            return;
        }
        settle();
        if (unit >= 0xD800 && unit <= 0xDBFF)
            high = unit;
        else
            text::appendUtf8(out, unit >= 0xDC00 && unit <= 0xDFFF ? 0xFFFD : unit);
    };

    for (std::size_t i = 0; i < literal.size();) {
        // A byte that starts no escape stands as it is.
        const Reading escape = literal[i] == '\\' ? escapeAt(literal.substr(i)) : Reading{0, 0};
        if (escape.length == 0) {
            settle();
            out += literal[i++];
            continue;
        }
        i += escape.length;
        if (escape.value != Nothing)
            put(static_cast<char32_t>(escape.value));
    }
    settle();
    return out;
}

std::string ScriptString::readAfter(std::string_view statements, std::string_view opening) {
    const long at = text::find(statements, opening, 1, text::Compare::IgnoreCase);
    if (at == 0)
        return {};
    const std::size_t start = text::byteOffset(statements, at + text::length(opening));
    // The quote is one byte in UTF-8 and never part of another character.
    for (std::size_t i = start; i < statements.size(); ++i) {
        if (statements[i] == '\\')
            ++i;
        else if (statements[i] == '\'')
            return unescaped(statements.substr(start, i - start));
    }
    return {};
}

} // namespace zirirur
