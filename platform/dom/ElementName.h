#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dom {

// The vocabulary an element's name belongs to; SVG and MathML elements keep their names'
// case, HTML elements are named in lower case and read back in upper case.
enum class Namespace { Html, Svg, MathMl };

// The name that elements bear, kept once for all the elements of a page that bear it: the name
// as the parser gives it, the tag name it reads back as, and what the parser, the serialiser
// and the page's forms know of elements of that name, worked out once instead of at each
// element.
class ElementName {
public:
    // What an HTML element of the name is (elements of SVG and MathML are none of these, but
    // each of them ends a paragraph's scope).
    enum Trait : std::uint32_t {
        Void = 1 << 0,                // holds nothing (INPUT, IMG, BR, ...)
        RawText = 1 << 1,             // its text is written back as it is (SCRIPT, STYLE, ...)
        TextOnly = 1 << 2,            // holds text only: raw text, TEXTAREA, TITLE
        FormField = 1 << 3,           // INPUT, BUTTON, SELECT, TEXTAREA
        Form = 1 << 4,                // FORM
        EndsParagraphScope = 1 << 5,  // a start tag looking for an open paragraph stops here
        ClosesParagraph = 1 << 6,     // its start tag closes an open paragraph
        DropsLeadingNewline = 1 << 7, // the parser drops a line feed right after its start tag
        TableStructure = 1 << 8,      // TABLE, its row groups and its rows
    };

    ElementName(std::string_view localName, Namespace ns);

    const std::string& localName() const { return m_localName; }
    // Upper case for HTML ("INPUT"), as it is for SVG and MathML.
    const std::string& tagName() const { return m_tagName; }
    Namespace elementNamespace() const { return m_namespace; }
    bool has(Trait trait) const { return (m_traits & trait) != 0; }
    // An HTML element of that lower-case name.
    bool is(std::string_view lowerName) const {
        return m_namespace == Namespace::Html && m_localName == lowerName;
    }

private:
    std::string m_localName;
    std::string m_tagName;
    Namespace m_namespace;
    std::uint32_t m_traits = 0;
};

} // namespace dom
