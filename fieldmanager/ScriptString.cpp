#include "fieldmanager/ScriptString.h"

#include <array>

namespace zirirur {

namespace {

struct Escape {
    std::string_view character;
    std::string_view written;
};

// Each written form starts with a backslash; read from left to right, the page's \\x27 is a
// backslash followed by "x27".
constexpr std::array<Escape, 6> Escapes{{
    {"\\", "\\\\"},
    {"'", "\\x27"},
    {"\r", "\\r"},
    {"\n", "\\n"},
    {"\u2028", "\\u2028"}, // line and paragraph separators end a line in older scripts
    {"\u2029", "\\u2029"},
}};

// Replaces each escape's one side by its other, from left to right.
std::string translated(std::string_view text, std::string_view Escape::*from,
                       std::string_view Escape::*to) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Escape* found = nullptr;
        for (const Escape& escape : Escapes)
            if (text.substr(i, (escape.*from).size()) == escape.*from) {
                found = &escape;
                break;
            }
        if (found) {
            out += found->*to;
            i += (found->*from).size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace

std::string ScriptString::escaped(std::string_view text) {
    return translated(text, &Escape::character, &Escape::written);
}

std::string ScriptString::unescaped(std::string_view literal) {
    return translated(literal, &Escape::written, &Escape::character);
}

} // namespace zirirur
