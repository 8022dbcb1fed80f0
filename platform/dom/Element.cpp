#include "platform/dom/Element.h"

#include "platform/dom/Document.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/ElementProperties.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/RawText.h"
#include "platform/dom/Style.h"
#include "platform/dom/Text.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"

#include <algorithm>
#include <array>

namespace dom {

namespace {

constexpr std::array<std::string_view, 19> kVoidElements = {
    "area", "base",  "basefont", "bgsound", "br",   "col",   "embed",  "frame", "hr", "image",
    "img",  "input", "keygen",   "link",    "meta", "param", "source", "track", "wbr"};

constexpr std::array<std::string_view, 7> kRawTextElements = {
    "script", "style", "xmp", "iframe", "noembed", "noframes", "plaintext"};

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

void collectPlaintext(const Node& node, std::vector<const Element*>& out) {
    if (node.isElement() && static_cast<const Element&>(node).is("plaintext"))
        out.push_back(static_cast<const Element*>(&node));
    for (const auto& child : node.children())
        collectPlaintext(*child, out);
}

// The PLAINTEXT elements of the tree that holds node. In a page there is one at most, and it
// is the last element: nothing is ever let stand after one.
std::vector<const Element*> plaintextOfTree(const Node& node) {
    std::vector<const Element*> found;
    if (auto document = node.ownerDocument()) {
        const auto& elements = document->elementsInOrder();
        if (!elements.empty() && elements.back()->is("plaintext"))
            found.push_back(elements.back().get());
    } else {
        collectPlaintext(node.top(), found);
    }
    return found;
}

void collectText(const Node& node, std::string& out) {
    for (const auto& child : node.children()) {
        if (child->kind() == Node::Kind::Text)
            out += static_cast<const Text&>(*child).data();
        else if (child->isElement())
            collectText(*child, out);
    }
}

} // namespace

Element::Element(std::string localName, Namespace ns)
    : Node(Kind::Element), m_localName(std::move(localName)), m_namespace(ns) {}

std::shared_ptr<Element> Element::self() const {
    return std::static_pointer_cast<Element>(std::const_pointer_cast<Node>(shared_from_this()));
}

std::string Element::tagName() const {
    if (m_namespace != Namespace::Html)
        return m_localName;
    std::string name = m_localName;
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return name;
}

std::string Element::id() const {
    return getAttribute("id").value_or("");
}

void Element::setId(const std::string& id) {
    setAttribute("id", id);
}

std::shared_ptr<Element> Element::parentElement() const {
    Node* up = parent();
    if (!up || !up->isElement())
        return nullptr;
    return std::static_pointer_cast<Element>(up->shared_from_this());
}

int Element::sourceIndex() const {
    auto document = ownerDocument();
    return document ? document->sourceIndexOf(*this) : -1;
}

std::shared_ptr<Document> Element::document() const {
    return ownerDocument();
}

std::string Element::outerHTML() const {
    return HtmlSerializer::outerHTML(*this);
}

std::string Element::innerHTML() const {
    return HtmlSerializer::innerHTML(*this);
}

void Element::replaceChildren(std::size_t from, std::size_t to,
                              const std::vector<std::shared_ptr<Node>>& nodes) {
    to = std::min(to, childCount());
    from = std::min(from, to);
    // Text-only elements take text only, and raw text only what ends where it should:
    // anything else would not read back.
    if (holdsTextOnly()) {
        std::string text;
        auto addText = [&](const Node& node) {
            if (node.kind() != Kind::Text)
                sys::raise(sys::ErrInvalidCall);
            text += static_cast<const Text&>(node).data();
        };
        for (std::size_t i = 0; i < from; ++i)
            addText(*children()[i]);
        for (const auto& node : nodes)
            addText(*node);
        for (std::size_t i = to; i < childCount(); ++i)
            addText(*children()[i]);
        if (isRawText() && RawText::check(m_localName, text) != RawText::Fit::Fits)
            sys::raise(sys::ErrInvalidCall);
    }
    // The start tag of a PLAINTEXT element makes the rest of the page its text: what would
    // stand after one could not be written.
    std::vector<const Element*> plaintext = plaintextOfTree(*this);
    for (const auto& node : nodes)
        collectPlaintext(*node, plaintext);
    std::vector<std::shared_ptr<Node>> removed;
    for (std::size_t i = to; i > from; --i)
        removed.push_back(removeChildAt(i - 1));
    std::reverse(removed.begin(), removed.end());
    insertChildren(from, nodes);
    for (const Element* element : plaintext) {
        if (&element->top() != &top() || !element->hasFollowingNode())
            continue;
        for (std::size_t k = 0; k < nodes.size(); ++k)
            removeChildAt(from);
        insertChildren(from, removed);
        sys::raise(sys::ErrInvalidCall);
    }
}

void Element::setOuterHTML(const std::string& html) {
    auto parentNode = parentElement();
    // The page's root, its head and its body are the frame of the page, not content.
    if (!parentNode || is("html") || is("head") || is("body"))
        sys::raise(sys::ErrInvalidCall);
    auto keepAlive = self();
    auto nodes = HtmlParser::parseFragment(html, *parentNode);
    std::size_t at = indexInParent();
    parentNode->replaceChildren(at, at + 1, nodes);
}

void Element::setInnerHTML(const std::string& html) {
    if (isVoid() || is("html"))
        sys::raise(sys::ErrInvalidCall);
    auto nodes = HtmlParser::parseFragment(html, *this);
    replaceChildren(0, childCount(), nodes);
}

void Element::insertAdjacentHTML(const std::string& where, const std::string& html) {
    static const std::array<std::pair<std::string_view, AdjacentPosition>, 4> kWords = {{
        {"beforebegin", AdjacentPosition::BeforeBegin},
        {"afterbegin", AdjacentPosition::AfterBegin},
        {"beforeend", AdjacentPosition::BeforeEnd},
        {"afterend", AdjacentPosition::AfterEnd},
    }};
    for (const auto& [word, position] : kWords)
        if (equalIgnoringAsciiCase(where, word))
            return insertAdjacentHTML(position, html);
    sys::raise(sys::ErrInvalidCall);
}

void Element::insertAdjacentHTML(AdjacentPosition where, const std::string& html) {
    switch (where) {
    case AdjacentPosition::BeforeBegin:
    case AdjacentPosition::AfterEnd: {
        auto parentNode = parentElement();
        if (!parentNode)
            sys::raise(sys::ErrInvalidCall);
        auto nodes = HtmlParser::parseFragment(html, *parentNode);
        std::size_t at = indexInParent() + (where == AdjacentPosition::AfterEnd ? 1 : 0);
        parentNode->replaceChildren(at, at, nodes);
        return;
    }
    case AdjacentPosition::AfterBegin:
    case AdjacentPosition::BeforeEnd: {
        if (isVoid())
            sys::raise(sys::ErrInvalidCall);
        auto nodes = HtmlParser::parseFragment(html, *this);
        std::size_t at = where == AdjacentPosition::AfterBegin ? 0 : childCount();
        replaceChildren(at, at, nodes);
        return;
    }
    }
}

Attribute* Element::findAttribute(std::string_view name) {
    for (Attribute& attribute : m_attributes)
        if (equalIgnoringAsciiCase(attribute.name, name))
            return &attribute;
    return nullptr;
}

const Attribute* Element::findAttribute(std::string_view name) const {
    return const_cast<Element*>(this)->findAttribute(name);
}

std::optional<std::string> Element::getAttribute(const std::string& name) const {
    if (const Attribute* attribute = findAttribute(name))
        return attribute->value;
    return std::nullopt;
}

void Element::setAttribute(const std::string& name, const std::string& value) {
    if (Attribute* attribute = findAttribute(name)) {
        attribute->value = value;
        return;
    }
    // A name that could not stand in a tag would break the markup around it.
    if (name.empty() || name.find_first_of(" \t\n\f\r/>=\"'<") != std::string::npos)
        sys::raise(sys::ErrInvalidCall);
    std::string lower = name;
    if (m_namespace == Namespace::Html)
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
    m_attributes.push_back({lower, value});
}

void Element::removeAttribute(const std::string& name) {
    std::erase_if(m_attributes, [&](const Attribute& attribute) {
        return equalIgnoringAsciiCase(attribute.name, name);
    });
}

void Element::addParsedAttribute(std::string name, std::string value) {
    if (name.empty() || findAttribute(name))
        return; // a nameless attribute cannot be written back
    m_attributes.push_back({std::move(name), std::move(value)});
}

std::string Element::getProperty(const std::string& name) const {
    return ElementProperties::get(*this, name);
}

void Element::setProperty(const std::string& name, const std::string& value) {
    ElementProperties::set(*this, name, value);
}

std::string Element::onkeyup() const {
    return getProperty("onkeyup");
}

void Element::setOnkeyup(const std::string& script) {
    setProperty("onkeyup", script);
}

Style Element::style() {
    return Style(self());
}

bool Element::isForm() const {
    return is("form");
}

int Element::length() const {
    if (!isForm())
        sys::raise(sys::ErrNoSuchProperty);
    return ElementCollection::fieldsOf(self()).length();
}

std::shared_ptr<Element> Element::item(int index) const {
    if (!isForm())
        sys::raise(sys::ErrNoSuchProperty);
    return ElementCollection::fieldsOf(self()).item(index);
}

ElementCollection Element::all() const {
    return ElementCollection::descendantsOf(self());
}

bool Element::is(std::string_view lowerName) const {
    return m_namespace == Namespace::Html && m_localName == lowerName;
}

bool Element::isVoid() const {
    return m_namespace == Namespace::Html && contains(kVoidElements, m_localName);
}

bool Element::holdsTextOnly() const {
    return isRawText() || is("textarea") || is("title");
}

bool Element::isRawText() const {
    return m_namespace == Namespace::Html && contains(kRawTextElements, m_localName);
}

bool Element::isFormField() const {
    return is("input") || is("button") || is("select") || is("textarea");
}

std::shared_ptr<Element> Element::enclosingForm() const {
    for (Node* up = parent(); up && up->isElement(); up = up->parent())
        if (static_cast<Element*>(up)->isForm())
            return std::static_pointer_cast<Element>(up->shared_from_this());
    return nullptr;
}

bool Element::endsParagraphScope() const {
    if (elementNamespace() != Namespace::Html)
        return true;
    for (const char* name : {"applet", "caption", "html", "table", "td", "th", "marquee", "object",
                             "template", "button"})
        if (is(name))
            return true;
    return false;
}

bool Element::isFieldOf(const Element& form) const {
    if (!isFormField())
        return false;
    for (Node* up = parent(); up && up->isElement(); up = up->parent())
        if (static_cast<Element*>(up)->isForm())
            return up == &form;
    return false;
}

std::string Element::textContent() const {
    std::string out;
    collectText(*this, out);
    return out;
}

void Element::setTextContent(const std::string& text) {
    std::vector<std::shared_ptr<Node>> nodes;
    if (!text.empty())
        nodes.push_back(std::make_shared<Text>(text));
    replaceChildren(0, childCount(), nodes);
}

} // namespace dom
