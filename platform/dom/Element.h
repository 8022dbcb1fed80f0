#pragma once

// Public face of a page element, as the add-in uses it, and the element node of our tree.

#include "platform/dom/ElementName.h"
#include "platform/dom/Node.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dom {

class Document;
class ElementCollection;
class Style;

enum class AdjacentPosition { BeforeBegin, AfterBegin, BeforeEnd, AfterEnd };

// An attribute as an element keeps it: its name as the parser gives it (lower case for HTML,
// "xlink:href" style for XML ones), kept once for the page, and its value.
class Attribute {
public:
    const std::string& name() const { return *m_name; }
    std::string_view value() const { return m_value; }

private:
    friend class Element;
    Attribute(const std::string& name, std::string_view value) : m_name(&name), m_value(value) {}

    const std::string* m_name;
    std::string_view m_value; // in the page's arena
};

class Element : public Node {
public:
    // Tag name in upper case ("INPUT", "FORM"); lower-case names of the source read back upper.
    std::string tagName() const;
    std::string id() const;
    void setId(const std::string& id);

    std::shared_ptr<Element> parentElement() const; // none at the root or when detached
    // Index of this element in the document's `all` collection; -1 when detached.
    int sourceIndex() const;
    std::shared_ptr<Document> document() const; // none when detached

    // Serialisation of this element (attributes as name="value") and of its content.
    std::string outerHTML() const;
    std::string innerHTML() const;
    // Replaces this element with the markup parsed in its parent's context; "" removes it.
    // This element object is detached afterwards. Raises the platform error when detached.
    void setOuterHTML(const std::string& html);
    void setInnerHTML(const std::string& html);
    // "BeforeBegin", "AfterBegin", "BeforeEnd", "AfterEnd" (any case); another word raises
    // error 5. BeforeBegin / AfterEnd on an element without parent raise too.
    void insertAdjacentHTML(const std::string& where, const std::string& html);
    void insertAdjacentHTML(AdjacentPosition where, const std::string& html);

    // Content attributes, names compared without regard to case.
    std::optional<std::string> getAttribute(const std::string& name) const;
    void setAttribute(const std::string& name, const std::string& value);
    void removeAttribute(const std::string& name);

    // Late-bound properties, as the add-in reads and writes them by name ("Name", "Value",
    // "Type", "src", "name", "action", "method", "onfocus", "onblur", "onkeyup", "href",
    // "id", "className", ...); names compared without regard to case. A property that the
    // element does not offer raises error 438. Values are text.
    std::string getProperty(const std::string& name) const;
    void setProperty(const std::string& name, const std::string& value);

    // Typed event attribute, as the add-in sets the character counter's statement.
    std::string onkeyup() const;
    void setOnkeyup(const std::string& script);

    // Inline style, reflected into the style attribute.
    Style style();

    // Form element side (FORM only; other elements raise error 438): the form's fields in
    // document order (INPUT of every type, image inputs included, BUTTON, SELECT, TEXTAREA),
    // counted afresh at each call.
    bool isForm() const { return m_name->has(ElementName::Form); }
    // Whether the parser stops here when a start tag looks for an open paragraph to close
    // (the edge of a paragraph's "button scope").
    bool endsParagraphScope() const { return m_name->has(ElementName::EndsParagraphScope); }
    int length() const;
    std::shared_ptr<Element> item(int index) const; // raises error 9 when out of range

    // Every element inside this one, in document order (the element's own `all`).
    ElementCollection all() const;

    // The tree side.
    const ElementName& name() const { return *m_name; }
    const std::string& localName() const { return m_name->localName(); }
    Namespace elementNamespace() const { return m_name->elementNamespace(); }
    // An HTML element of that lower-case name.
    bool is(std::string_view lowerName) const { return m_name->is(lowerName); }
    std::span<const Attribute> attributes() const { return {m_attributes, m_attributeCount}; }
    // Room for count more attributes.
    void reserveAttributes(std::size_t count);
    // Appends an attribute as the parser read it, its name one of the page's names (from the
    // arena's name table); the first of two of the same name wins.
    void addParsedAttribute(const std::string& name, std::string_view value);
    // Elements that never hold content (INPUT, IMG, BR, ...).
    bool isVoid() const { return m_name->has(ElementName::Void); }
    // Elements whose content is text only: raw text (SCRIPT, STYLE, ...) and escapable raw
    // text (TEXTAREA, TITLE).
    bool holdsTextOnly() const { return m_name->has(ElementName::TextOnly); }
    // Elements whose text is written back as it is, without escaping.
    bool isRawText() const { return m_name->has(ElementName::RawText); }
    // INPUT, BUTTON, SELECT, TEXTAREA: what a form lists among its fields.
    bool isFormField() const { return m_name->has(ElementName::FormField); }
    // The nearest FORM that holds this element, none when it is in no form.
    std::shared_ptr<Element> enclosingForm() const;
    // The same, without a handle on it.
    Element* nearestForm() const;
    // A field whose nearest enclosing FORM is form.
    bool isFieldOf(const Element& form) const;
    // The element's text: its text nodes and those of its descendants, joined.
    std::string textContent() const;
    // Replaces the content with one text node (none for an empty text).
    void setTextContent(const std::string& text);

    // Puts nodes in place of the children [from, to): how every markup write lands.
    // Raises error 5 when this element holds text only and a node is no text.
    void replaceChildren(std::size_t from, std::size_t to,
                         const std::vector<std::shared_ptr<Node>>& nodes);

private:
    friend class Node;
    friend class NodeArena;
    friend class Document;

    Element(NodeArena& arena, const ElementName& name)
        : Node(Kind::Element, arena), m_name(&name) {}
    std::shared_ptr<Element> self() const;
    Attribute* findAttribute(std::string_view name);
    const Attribute* findAttribute(std::string_view name) const;
    void appendAttribute(const std::string& name, std::string_view value);
    void freeAttributes();

    const ElementName* m_name;
    Attribute* m_attributes = nullptr;
    std::uint32_t m_attributeCount = 0;
    std::uint32_t m_attributeCapacity = 0;
    // Where the document's list of its elements in order last had this element.
    mutable std::uint32_t m_orderIndex = 0;
};

} // namespace dom
