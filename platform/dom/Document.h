#pragma once

#include <memory>
#include <string>

namespace dom {

class Element;
class ElementCollection;
class Selection;
class TextRange;

// A page: parsed from UTF-8 text by a real HTML5 parser into a mutable tree.
class Document {
public:
    static std::shared_ptr<Document> parse(const std::string& html);

    ElementCollection all() const;     // every element in document order
    ElementCollection scripts() const; // every SCRIPT element
    std::shared_ptr<Element> body() const;
    std::shared_ptr<Element> head() const;
    std::shared_ptr<Element> documentElement() const;

    // The element that holds the caret (body when none was placed).
    std::shared_ptr<Element> activeElement() const;
    void setActiveElement(const std::shared_ptr<Element>& element);
    Selection selection();
    // Placing the caret and the selection from outside (the host does this).
    void setCaretAtEndOf(const std::shared_ptr<Element>& element); // or right after it when it holds none
    void setSelectionToContentOf(const std::shared_ptr<Element>& element);
    void setControlSelection(const std::shared_ptr<Element>& element);

    // location.href
    std::string locationHref() const;
    void setLocationHref(const std::string& href);

    // The whole page, serialised (doctype, comments and all).
    std::string serialize() const;
};

} // namespace dom
