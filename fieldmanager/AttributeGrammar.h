#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zirirur {

// How the field manager finds an event attribute in a field's outer HTML, and rewrites it:
// the name (found without regard to case, its first occurrence anywhere counts), "=", a double
// quote, the value, and the next double quote. Positions are counted in characters and held
// in 16 bits, so a match past character 32767 counts as no match.
class AttributeGrammar {
public:
    // Where the attribute stands: p the name's first character, q the closing quote (1-based).
    struct Span {
        long p = 0;
        long valueStart = 0;
        long q = 0;
    };

    static constexpr long MaxPosition = 32767;

    static std::optional<Span> find(std::string_view outerHTML, std::string_view name);

    // The value; "" when the attribute is absent or has no closing quote.
    static std::string read(std::string_view outerHTML, std::string_view name);

    // The outer HTML with the attribute replaced in place, or added before the tag's first ">"
    // when absent; nullopt when there is nowhere to put it.
    static std::optional<std::string> rewrite(std::string_view outerHTML, std::string_view name,
                                              std::string_view script);
};

} // namespace zirirur
