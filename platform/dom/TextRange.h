#pragma once

#include <memory>
#include <string>

namespace dom {

class Document;
class Element;

// A text range of the page: either collapsed at a caret or spanning content.
class TextRange {
public:
    // Replaces the range's content with the parsed markup (in the context of the element
    // that holds the range), or inserts it at a collapsed caret.
    void pasteHTML(const std::string& html);
    // Makes the range span the element's content.
    void moveToElementText(const std::shared_ptr<Element>& element);
    // Makes this range the document's selection.
    void select();
    // The markup of the range's content.
    std::string htmlText() const;
};

// The document's selection: createRange raises the platform error when the selection is an
// element selected as a whole (a control selection), where no text range can be made.
class Selection {
public:
    TextRange createRange() const;
    std::string type() const; // "None", "Text" or "Control"
};

} // namespace dom
