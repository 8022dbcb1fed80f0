#include "platform/dom/ElementName.h"

#include <algorithm>
#include <array>

namespace dom {

namespace {

constexpr std::array<std::string_view, 19> kVoidElements = {
    "area", "base",  "basefont", "bgsound", "br",   "col",   "embed",  "frame", "hr", "image",
    "img",  "input", "keygen",   "link",    "meta", "param", "source", "track", "wbr"};

constexpr std::array<std::string_view, 7> kRawTextElements = {
    "script", "style", "xmp", "iframe", "noembed", "noframes", "plaintext"};

constexpr std::array<std::string_view, 4> kFormFields = {"input", "button", "select", "textarea"};

constexpr std::array<std::string_view, 10> kParagraphScopeEdges = {
    "applet", "caption", "html", "table", "td", "th", "marquee", "object", "template", "button"};

constexpr std::array<std::string_view, 39> kParagraphClosers = {
    "address", "article",   "aside",    "blockquote", "center", "details", "dialog",  "dir",
    "div",     "dl",        "fieldset", "figcaption", "figure", "footer",  "header",  "hgroup",
    "main",    "menu",      "nav",      "ol",         "p",      "section", "summary", "ul",
    "h1",      "h2",        "h3",       "h4",         "h5",     "h6",      "pre",     "listing",
    "form",    "plaintext", "hr",       "xmp",        "li",     "dd",      "dt"};

constexpr std::array<std::string_view, 3> kLeadingNewlineDroppers = {"pre", "textarea", "listing"};

constexpr std::array<std::string_view, 5> kTableStructure = {"table", "tbody", "thead", "tfoot",
                                                             "tr"};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::uint32_t htmlTraits(std::string_view name) {
    std::uint32_t traits = 0;
    auto add = [&](bool condition, ElementName::Trait trait) {
        if (condition)
            traits |= trait;
    };
    add(contains(kVoidElements, name), ElementName::Void);
    add(contains(kRawTextElements, name), ElementName::RawText);
    add(contains(kRawTextElements, name) || name == "textarea" || name == "title",
        ElementName::TextOnly);
    add(contains(kFormFields, name), ElementName::FormField);
    add(name == "form", ElementName::Form);
    add(contains(kParagraphScopeEdges, name), ElementName::EndsParagraphScope);
    add(contains(kParagraphClosers, name), ElementName::ClosesParagraph);
    add(contains(kLeadingNewlineDroppers, name), ElementName::DropsLeadingNewline);
    add(contains(kTableStructure, name), ElementName::TableStructure);
    return traits;
}

} // namespace

ElementName::ElementName(std::string_view localName, Namespace ns)
    : m_localName(localName), m_tagName(localName), m_namespace(ns) {
    if (ns != Namespace::Html) {
        m_traits = EndsParagraphScope;
        return;
    }
    for (char& c : m_tagName)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    m_traits = htmlTraits(localName);
}

} // namespace dom
