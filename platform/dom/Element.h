#pragma once

// Public face of a page element, as the add-in uses it. The DOM's own developer owns the
// private side (node tree, attributes storage); the public members below are the contract
// that the add-in codes against.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dom {

class Document;
class Style;

enum class AdjacentPosition { BeforeBegin, AfterBegin, BeforeEnd, AfterEnd };

class Element /* : public Node */ {
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
    bool isForm() const;
    int length() const;
    std::shared_ptr<Element> item(int index) const; // raises error 9 when out of range
};

} // namespace dom
