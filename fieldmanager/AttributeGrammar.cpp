#include "fieldmanager/AttributeGrammar.h"

#include "platform/sys/Text.h"

namespace zirirur {

namespace text = sys::text;

std::optional<AttributeGrammar::Span> AttributeGrammar::find(std::string_view outerHTML,
                                                             std::string_view name) {
    const long p = text::find(text::upper(outerHTML), text::upper(name));
    if (p == 0 || p > MaxPosition)
        return std::nullopt;
    const long valueStart = p + text::length(name) + 2;
    if (valueStart > MaxPosition || valueStart > text::length(outerHTML))
        return std::nullopt;
    const long q = text::find(outerHTML, "\"", valueStart);
    if (q == 0 || q > MaxPosition)
        return std::nullopt;
    return Span{p, valueStart, q};
}

std::string AttributeGrammar::read(std::string_view outerHTML, std::string_view name) {
    const auto span = find(outerHTML, name);
    if (!span)
        return {};
    return text::mid(outerHTML, span->valueStart, span->q - span->valueStart);
}

std::optional<std::string> AttributeGrammar::rewrite(std::string_view outerHTML,
                                                     std::string_view name,
                                                     std::string_view script) {
    std::string attribute = " ";
    attribute += name;
    attribute += "=\"";
    attribute += script;
    attribute += "\" ";

    if (const auto span = find(outerHTML, name)) {
        std::string rest = text::mid(outerHTML, span->q + 1);
        // The new text brings its own blank.
        if (text::left(rest, 1) == " ")
            rest = text::mid(rest, 2);
        return text::left(outerHTML, span->p - 1) + attribute + rest;
    }

    const long r = text::find(outerHTML, ">");
    if (r == 0 || r > MaxPosition)
        return std::nullopt;
    return text::left(outerHTML, r - 1) + attribute + text::mid(outerHTML, r);
}

} // namespace zirirur
