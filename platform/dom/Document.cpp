#include "platform/dom/Document.h"

#include "platform/dom/DocumentRoot.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/FormOwnerFixup.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/NodeArena.h"
#include "platform/dom/TextRange.h"
#include "platform/sys/Error.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace dom {

namespace {

std::shared_ptr<Element> childElement(const Node* parent, std::string_view name) {
    if (!parent)
        return nullptr;
    for (const auto& child : parent->children())
        if (child->isElement() && static_cast<const Element&>(*child).is(name))
            return std::static_pointer_cast<Element>(child->handle());
    return nullptr;
}

// Start tags that close an element of their kind when it is the one they would go into.
bool closesItsParent(const Node& parent, const Element& element) {
    if (!parent.isElement())
        return false;
    const auto& up = static_cast<const Element&>(parent);
    auto oneOf = [](const Element& e, std::initializer_list<std::string_view> names) {
        for (std::string_view name : names)
            if (e.is(name))
                return true;
        return false;
    };
    if (up.is("option"))
        return oneOf(element, {"option", "optgroup"});
    if (up.is("optgroup"))
        return element.is("optgroup");
    if (up.is("li"))
        return element.is("li");
    if (oneOf(up, {"dd", "dt"}))
        return oneOf(element, {"dd", "dt"});
    if (oneOf(up, {"h1", "h2", "h3", "h4", "h5", "h6"}))
        return oneOf(element, {"h1", "h2", "h3", "h4", "h5", "h6"});
    if (oneOf(up, {"select", "button", "nobr", "table"}))
        return element.is(up.localName());
    return false;
}

// Whether markup can put element, of its namespace, right inside parent: in SVG and MathML
// only their integration points take HTML elements, and their own elements start at <svg>
// and <math>.
bool namespaceFits(const Node& parent, const Element& element) {
    bool foreign = element.elementNamespace() != Namespace::Html;
    if (!parent.isElement())
        return !foreign;
    const auto& up = static_cast<const Element&>(parent);
    switch (up.elementNamespace()) {
    case Namespace::Html:
        return !foreign || element.localName() ==
                               (element.elementNamespace() == Namespace::Svg ? "svg" : "math");
    case Namespace::Svg:
        return foreign || up.localName() == "foreignObject" || up.localName() == "desc" ||
               up.localName() == "title";
    case Namespace::MathMl:
        for (const char* point : {"mi", "mo", "mn", "ms", "mtext", "annotation-xml"})
            if (up.localName() == point)
                return true;
        return foreign;
    }
    return true;
}

void collectElements(const Node& node, std::vector<Element*>& out) {
    for (Node* child : node.children()) {
        if (child->isElement()) {
            out.push_back(static_cast<Element*>(child));
            collectElements(*child, out);
        }
    }
}

} // namespace

void Document::survey(const Node& node, Unsettled& found, bool insideLink, bool insideParagraph,
                      bool insideButton, bool insideForm) {
    for (const Node* child : node.children()) {
        if (!child->isElement())
            continue;
        const auto& element = static_cast<const Element&>(*child);
        bool link = element.is("a");
        if ((link && insideLink) ||
            (insideParagraph && element.name().has(ElementName::ClosesParagraph)) ||
            !namespaceFits(node, element) || closesItsParent(node, element) ||
            (insideButton && element.is("button")))
            found.inexpressibleNesting = true;
        if (element.is("plaintext") && element.hasFollowingNode())
            found.followedPlaintext = true;
        bool form = element.isForm();
        if (form && insideForm)
            found.nestedForm = true;
        bool paragraph = !element.endsParagraphScope() && (insideParagraph || element.is("p"));
        // A button start tag closes an open button within the same reach.
        bool button = (!element.endsParagraphScope() || element.is("button")) &&
                      (insideButton || element.is("button"));
        survey(element, found, insideLink || link, paragraph, button, insideForm || form);
    }
}

Document::Unsettled Document::unsettledIn(const Node& root) {
    Unsettled found;
    survey(root, found, false, false, false, false);
    return found;
}

Document::Document()
    : m_arena(NodeArena::create()), m_root(m_arena->make<DocumentRoot>(*m_arena, this)) {}

Document::~Document() {
    m_active.reset();
    m_selectionContainer.reset();
    m_root->release();
    // With none of its nodes held elsewhere the page goes with its arena, all at once.
    if (m_arena->heldElsewhere() && m_root->m_handles == 0)
        m_root->destroy();
    m_arena->release();
}

std::shared_ptr<Document> Document::parse(const std::string& html) {
    std::string_view text = html;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3); // a byte order mark is no content of the page
    Unsettled found;
    auto document = build(text, found);
    // Such a page is settled by reading its own markup again (each reading undoes one level),
    // so that what the add-in edits is what a save reads back.
    for (int round = 0; round < 8 && (found.inexpressibleNesting || found.followedPlaintext);
         ++round)
        document = build(document->serialize(), found);
    document->m_selectionContainer = document->body();
    return document;
}

std::shared_ptr<Document> Document::build(std::string_view html, Unsettled& found) {
    std::shared_ptr<Document> document(new Document());
    std::vector<FormAssociation> associations = HtmlParser::parseDocument(html, *document->m_root);
    FormOwnerFixup::apply(associations);
    found = unsettledIn(*document->m_root);
    if (found.nestedForm) {
        FormOwnerFixup::flattenNestedForms(*document->m_root);
        found = unsettledIn(*document->m_root);
    }
    return document;
}

ElementCollection Document::all() const {
    return ElementCollection::descendantsOf(m_root->handle());
}

ElementCollection Document::scripts() const {
    return all().tags("SCRIPT");
}

std::shared_ptr<Element> Document::documentElement() const {
    return childElement(m_root, "html");
}

std::shared_ptr<Element> Document::body() const {
    auto html = documentElement();
    if (auto body = childElement(html.get(), "body"))
        return body;
    return childElement(html.get(), "frameset");
}

std::shared_ptr<Element> Document::head() const {
    return childElement(documentElement().get(), "head");
}

std::shared_ptr<Element> Document::activeElement() const {
    if (m_active && m_active->document().get() == this)
        return m_active;
    return body();
}

void Document::requireInPage(const std::shared_ptr<Element>& element) const {
    if (!element || element->document().get() != this)
        sys::raise(sys::ErrInvalidCall);
}

void Document::setActiveElement(const std::shared_ptr<Element>& element) {
    if (element)
        requireInPage(element);
    m_active = element;
}

Selection Document::selection() {
    return Selection(shared_from_this());
}

void Document::select(SelectionKind kind, std::shared_ptr<Node> container, std::size_t start,
                      std::size_t end) {
    m_selectionKind = kind;
    m_selectionContainer = std::move(container);
    m_selectionStart = start;
    m_selectionEnd = end;
}

// Content the caret cannot enter: elements that hold nothing, and form controls whose
// content is their own text rather than page markup.
static bool caretStaysOutside(const Element& element) {
    return element.isVoid() || element.is("select") || element.is("textarea") ||
           element.isRawText();
}

void Document::setCaretAtEndOf(const std::shared_ptr<Element>& element) {
    requireInPage(element);
    m_active = element;
    if (caretStaysOutside(*element) && element->parent()) {
        std::size_t after = element->indexInParent() + 1;
        select(SelectionKind::Caret, element->parent()->handle(), after, after);
    } else {
        select(SelectionKind::Caret, element, element->childCount(), element->childCount());
    }
}

void Document::setSelectionToContentOf(const std::shared_ptr<Element>& element) {
    requireInPage(element);
    m_active = element;
    if (element->isVoid() && element->parent()) {
        std::size_t at = element->indexInParent();
        select(SelectionKind::Text, element->parent()->handle(), at, at + 1);
    } else {
        select(SelectionKind::Text, element, 0, element->childCount());
    }
}

void Document::setControlSelection(const std::shared_ptr<Element>& element) {
    requireInPage(element);
    m_active = element;
    select(SelectionKind::Control, element, 0, 0);
}

TextRange Document::selectedRange() {
    std::shared_ptr<Node> container = m_selectionContainer;
    if (!container || container->ownerDocument().get() != this || !container->isElement()) {
        auto fallback = body();
        if (!fallback)
            sys::raise(sys::ErrInvalidCall);
        return TextRange(shared_from_this(), fallback, 0, 0);
    }
    return TextRange(shared_from_this(), container, m_selectionStart, m_selectionEnd);
}

std::string Document::locationHref() const {
    return m_locationHref;
}

void Document::setLocationHref(const std::string& href) {
    m_locationHref = href;
}

std::string Document::serialize() const {
    return HtmlSerializer::innerHTML(*m_root);
}

std::string Document::serializeForSaving() const {
    std::string text = serialize();
    // Most pages read back as the very tree they were written from, and so give the same text
    // again: that is checked against this tree, without building the page a second time.
    if (readsBackUnchanged(text))
        return text;
    for (int round = 0; round < 8; ++round) {
        std::string again = parse(text)->serialize();
        if (again == text)
            break;
        text = std::move(again);
    }
    return text;
}

bool Document::readsBackUnchanged(std::string_view text) const {
    // What the reading of a page settles or moves afterwards is not found by comparing trees.
    Unsettled found = unsettledIn(*m_root);
    return !text.starts_with("\xEF\xBB\xBF") && !found.inexpressibleNesting &&
           !found.followedPlaintext && !found.nestedForm && HtmlParser::readsBackAs(text, *m_root);
}

std::shared_ptr<Node> Document::root() const {
    return m_root->handle();
}

const std::vector<Element*>& Document::elementsInOrder() const {
    if (!m_orderValid) {
        m_order.clear();
        collectElements(*m_root, m_order);
        for (std::size_t i = 0; i < m_order.size(); ++i)
            m_order[i]->m_orderIndex = static_cast<std::uint32_t>(i);
        m_orderValid = true;
    }
    return m_order;
}

int Document::sourceIndexOf(const Element& element) const {
    const auto& order = elementsInOrder();
    std::uint32_t at = element.m_orderIndex;
    return at < order.size() && order[at] == &element ? static_cast<int>(at) : -1;
}

namespace {

// The fields below node whose nearest form is not below node, in document order.
void collectFields(const Node& node, std::vector<Element*>& out) {
    for (Node* child : node.children()) {
        if (!child->isElement())
            continue;
        auto* element = static_cast<Element*>(child);
        if (element->isFormField())
            out.push_back(element);
        if (!element->isForm())
            collectFields(*element, out);
    }
}

} // namespace

const std::vector<Element*>& Document::fieldsOf(const Element& form) const {
    auto found = m_formFields.find(&form);
    if (found != m_formFields.end())
        return found->second;
    // Walked below the form alone, so that an edit elsewhere on a large page costs nothing here.
    std::vector<Element*> fields;
    if (&form.top() == m_root)
        collectFields(form, fields);
    return m_formFields.emplace(&form, std::move(fields)).first->second;
}

void Document::noteTreeChanged() {
    if (m_orderValid) {
        m_orderValid = false;
        m_order.clear();
    }
    m_formFields.clear();
}

} // namespace dom
