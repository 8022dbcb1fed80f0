#include "platform/dom/Element.h"

#include "platform/dom/Document.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/ElementProperties.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/NodeArena.h"
#include "platform/dom/RawText.h"
#include "platform/dom/Style.h"
#include "platform/dom/Text.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"

#include <algorithm>
#include <array>
#include <memory>
#include <span>

namespace dom {

namespace {

void collectPlaintext(const Node& node, std::vector<const Element*>& out) {
    if (node.isElement() && static_cast<const Element&>(node).is("plaintext"))
        out.push_back(static_cast<const Element*>(&node));
    for (const auto& child : node.children())
        collectPlaintext(*child, out);
}

// The last element of the tree below node, in document order: the last of the last.
const Element* lastElementBelow(const Node& node) {
    const Element* last = nullptr;
    for (const Node* at = &node; at;) {
        auto children = at->children();
        auto child = std::find_if(children.rbegin(), children.rend(),
                                  [](const Node* child) { return child->isElement(); });
        if (child == children.rend())
            break;
        last = static_cast<const Element*>(*child);
        at = last;
    }
    return last;
}

// The PLAINTEXT elements of the tree that holds node. In a page there is one at most, and it
// is the last element: nothing is ever let stand after one.
std::vector<const Element*> plaintextOfTree(const Node& node) {
    std::vector<const Element*> found;
    if (node.ownerDocument()) {
        const Element* last = lastElementBelow(node.top());
        if (last && last->is("plaintext"))
            found.push_back(last);
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

std::shared_ptr<Element> Element::self() const {
    return std::static_pointer_cast<Element>(handle());
}

std::string Element::tagName() const {
    return m_name->tagName();
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
    return std::static_pointer_cast<Element>(up->handle());
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
        if (isRawText() && RawText::check(localName(), text) != RawText::Fit::Fits)
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
        if (sys::text::equalIgnoringAsciiCase(where, word))
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
    for (Attribute& attribute : std::span(m_attributes, m_attributeCount))
        if (sys::text::equalIgnoringAsciiCase(attribute.name(), name))
            return &attribute;
    return nullptr;
}

const Attribute* Element::findAttribute(std::string_view name) const {
    return const_cast<Element*>(this)->findAttribute(name);
}

std::optional<std::string> Element::getAttribute(const std::string& name) const {
    if (const Attribute* attribute = findAttribute(name))
        return std::string(attribute->value());
    return std::nullopt;
}

void Element::setAttribute(const std::string& name, const std::string& value) {
    if (Attribute* attribute = findAttribute(name)) {
        std::string_view old = attribute->m_value;
        attribute->m_value = arena().copy(value);
        arena().discard(old);
        return;
    }
    // A name that could not stand in a tag would break the markup around it.
    if (name.empty() || name.find_first_of(" \t\n\f\r/>=\"'<") != std::string::npos)
        sys::raise(sys::ErrInvalidCall);
    const std::string& stored = arena().names().attribute(
        elementNamespace() == Namespace::Html ? sys::text::lowerAscii(name) : name);
    appendAttribute(stored, value);
}

void Element::removeAttribute(const std::string& name) {
    std::uint32_t kept = 0;
    for (Attribute& attribute : std::span(m_attributes, m_attributeCount)) {
        if (sys::text::equalIgnoringAsciiCase(attribute.name(), name))
            arena().discard(attribute.m_value);
        else
            m_attributes[kept++] = attribute;
    }
    m_attributeCount = kept;
}

void Element::reserveAttributes(std::size_t count) {
    std::size_t wanted = m_attributeCount + count;
    if (wanted <= m_attributeCapacity)
        return;
    auto* grown = static_cast<Attribute*>(arena().allocate(wanted * sizeof(Attribute)));
    std::uninitialized_copy_n(m_attributes, m_attributeCount, grown);
    arena().deallocate(m_attributes, m_attributeCapacity * sizeof(Attribute));
    m_attributes = grown;
    m_attributeCapacity = static_cast<std::uint32_t>(wanted);
}

void Element::appendAttribute(const std::string& name, std::string_view value) {
    if (m_attributeCount == m_attributeCapacity)
        reserveAttributes(std::max<std::uint32_t>(m_attributeCount, 2));
    new (m_attributes + m_attributeCount) Attribute(name, arena().copy(value));
    ++m_attributeCount;
}

void Element::freeAttributes() {
    for (const Attribute& attribute : attributes())
        arena().discard(attribute.m_value);
    arena().deallocate(m_attributes, m_attributeCapacity * sizeof(Attribute));
    m_attributes = nullptr;
    m_attributeCount = m_attributeCapacity = 0;
}

void Element::addParsedAttribute(const std::string& name, std::string_view value) {
    if (name.empty() || findAttribute(name))
        return; // a nameless attribute cannot be written back
    appendAttribute(name, value);
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

std::shared_ptr<Element> Element::enclosingForm() const {
    Element* form = nearestForm();
    return form ? form->self() : nullptr;
}

Element* Element::nearestForm() const {
    for (Node* up = parent(); up && up->isElement(); up = up->parent())
        if (static_cast<Element*>(up)->isForm())
            return static_cast<Element*>(up);
    return nullptr;
}

bool Element::isFieldOf(const Element& form) const {
    return isFormField() && nearestForm() == &form;
}

std::string Element::textContent() const {
    std::string out;
    collectText(*this, out);
    return out;
}

void Element::setTextContent(const std::string& text) {
    std::vector<std::shared_ptr<Node>> nodes;
    if (!text.empty())
        nodes.push_back(arena().make<Text>(arena(), arena().copy(text))->handle());
    replaceChildren(0, childCount(), nodes);
}

} // namespace dom
