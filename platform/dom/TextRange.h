#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace dom {

class Document;
class Element;
class Node;

// A text range of the page: either collapsed at a caret or spanning content. It spans a run of
// children of one node; after the page changes it is clamped to what that node still holds.
class TextRange {
public:
    // Replaces the range's content with the parsed markup (in the context of the element
    // that holds the range), or inserts it at a collapsed caret. The range, and the page's
    // caret, end up collapsed after what was inserted.
    void pasteHTML(const std::string& html);
    // Makes the range span the element's content (the element itself when it holds none).
    void moveToElementText(const std::shared_ptr<Element>& element);
    // Makes this range the document's selection.
    void select();
    // The markup of the range's content.
    std::string htmlText() const;

private:
    friend class Document;

    TextRange(std::shared_ptr<Document> document, std::shared_ptr<Node> container,
              std::size_t start, std::size_t end);
    // The element that holds the range; raises error 5 when it has left the page.
    Element& holder() const;

    std::shared_ptr<Document> m_document;
    std::shared_ptr<Node> m_container;
    std::size_t m_start = 0;
    std::size_t m_end = 0;
};

// The document's selection: createRange raises the platform error when the selection is an
// element selected as a whole (a control selection), where no text range can be made.
class Selection {
public:
    TextRange createRange() const;
    std::string type() const; // "None", "Text" or "Control"

private:
    friend class Document;

    explicit Selection(std::shared_ptr<Document> document);

    std::shared_ptr<Document> m_document;
};

} // namespace dom
