#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dom {

class DocumentRoot;
class Element;
class ElementCollection;
class Node;
class NodeArena;
class Selection;
class TextRange;

// A page: parsed from UTF-8 text by a real HTML5 parser into a mutable tree.
class Document : public std::enable_shared_from_this<Document> {
public:
    static std::shared_ptr<Document> parse(const std::string& html);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

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
    void setCaretAtEndOf(
        const std::shared_ptr<Element>& element); // or right after it when it holds none
    void setSelectionToContentOf(const std::shared_ptr<Element>& element);
    void setControlSelection(const std::shared_ptr<Element>& element);

    // location.href
    std::string locationHref() const;
    void setLocationHref(const std::string& href);

    // The whole page, serialised (doctype, comments and all).
    std::string serialize() const;
    // The page as it is written to its file: the serialisation, read back by the parser until
    // it gives itself again, so that a save and a reopen change nothing further even where
    // the parser repaired the page into a tree its own markup does not give back.
    std::string serializeForSaving() const;

    // The tree side.
    std::shared_ptr<Node> root() const;
    // Every element in document order, kept between changes of the tree.
    const std::vector<Element*>& elementsInOrder() const;
    int sourceIndexOf(const Element& element) const;
    // The fields of a form of this page in document order, kept between changes of the tree:
    // the add-in fetches the current field again by its index after every edit.
    const std::vector<Element*>& fieldsOf(const Element& form) const;
    void noteTreeChanged();

private:
    friend class Selection;
    friend class TextRange;

    enum class SelectionKind { Caret, Text, Control };

    // What reading the page's markup again would change in its tree.
    struct Unsettled {
        // Nesting that no markup expresses: a link inside a link (by way of a table), a block
        // inside a paragraph (put there from a table), an HTML element inside SVG or MathML
        // where markup would break out of them.
        bool inexpressibleNesting = false;
        // A PLAINTEXT element with something after it: its start tag makes the rest of the
        // page its text, so what follows it is lost when the page is written.
        bool followedPlaintext = false;
        // A FORM inside a FORM, whose start tag the parser drops.
        bool nestedForm = false;
    };
    // One walk over the tree for all that.
    static Unsettled unsettledIn(const Node& root);
    static void survey(const Node& node, Unsettled& found, bool insideLink, bool insideParagraph,
                       bool insideButton, bool insideForm);

    Document();
    // Reads a page, with what reading its markup again would change in it.
    static std::shared_ptr<Document> build(std::string_view html, Unsettled& found);
    // Whether text, this page's serialisation, reads back as this page.
    bool readsBackUnchanged(std::string_view text) const;
    // Raises error 5 unless element is in this page.
    void requireInPage(const std::shared_ptr<Element>& element) const;
    void select(SelectionKind kind, std::shared_ptr<Node> container, std::size_t start,
                std::size_t end);
    // The selection as a range of this page: the caret at the start of the body when the
    // node that held it has left the page.
    TextRange selectedRange();

    NodeArena* m_arena;   // held by the document
    DocumentRoot* m_root; // owned by the document
    std::shared_ptr<Element> m_active;
    SelectionKind m_selectionKind = SelectionKind::Caret;
    std::shared_ptr<Node> m_selectionContainer;
    std::size_t m_selectionStart = 0;
    std::size_t m_selectionEnd = 0;
    std::string m_locationHref;

    mutable bool m_orderValid = false;
    mutable std::vector<Element*> m_order;
    mutable std::unordered_map<const Element*, std::vector<Element*>> m_formFields;
};

} // namespace dom
