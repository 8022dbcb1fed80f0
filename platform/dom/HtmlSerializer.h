#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dom {

class Node;

// Writes nodes back as markup: tag names of HTML elements in upper case, attributes as
// name="value", text escaped only where the parser would otherwise read it differently, so
// that a page read back gives the same tree and the same text again.
class HtmlSerializer {
public:
    static std::string outerHTML(const Node& node);
    static std::string innerHTML(const Node& node);
    // The children [from, to) of parent.
    static std::string childrenHTML(const Node& parent, std::size_t from, std::size_t to);

    // An attribute value as it stands between its double quotes: a double quote becomes
    // &quot;, an ampersand becomes &amp; only where the parser would read a character
    // reference, and nothing else changes.
    static void appendAttributeValue(std::string& out, std::string_view value);
    // The inverse of appendAttributeValue for text that a reader took from between the quotes
    // of our own markup: &quot;, &amp; and the numeric references of the characters that the
    // parser would not take over as they are (a carriage return is &#xD;) are the only
    // references it can hold.
    static std::string attributeValueFromMarkup(std::string_view text);
    // Text content: "<" and ">" as references, "&" only where it would start one, and the
    // no-break space as &nbsp; as pages write it.
    static void appendText(std::string& out, std::string_view text);
};

} // namespace dom
