#pragma once

#include <string_view>

namespace dom {

// The text of a raw text element (SCRIPT, STYLE, XMP, ...) is written back as it is, so it
// must not hold what would end the element early, or end it never, when the page is read back.
class RawText {
public:
    enum class Fit {
        Fits,
        EndsEarly,         // holds the element's own end tag
        SwallowsItsEndTag, // a script that stops inside a comment's nested "<script"
    };

    // How text fits into the raw text element of that lower-case name.
    static Fit check(std::string_view elementName, std::string_view text);
};

} // namespace dom
