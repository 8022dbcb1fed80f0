#include "platform/dom/TextRange.h"

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/sys/Error.h"

#include <algorithm>

namespace dom {

TextRange::TextRange(std::shared_ptr<Document> document, std::shared_ptr<Node> container,
                     std::size_t start, std::size_t end)
    : m_document(std::move(document)), m_container(std::move(container)), m_start(start),
      m_end(end) {}

Element& TextRange::holder() const {
    if (!m_container || !m_container->isElement() || m_container->ownerDocument() != m_document)
        sys::raise(sys::ErrInvalidCall);
    return static_cast<Element&>(*m_container);
}

void TextRange::pasteHTML(const std::string& html) {
    Element& element = holder();
    std::size_t end = std::min(m_end, element.childCount());
    std::size_t start = std::min(m_start, end);
    auto nodes = HtmlParser::parseFragment(html, element);
    element.replaceChildren(start, end, nodes);
    m_start = m_end = start + nodes.size();
    m_document->select(Document::SelectionKind::Caret, m_container, m_end, m_end);
    m_document->m_active = std::static_pointer_cast<Element>(m_container);
}

void TextRange::moveToElementText(const std::shared_ptr<Element>& element) {
    if (!element || element->document() != m_document)
        sys::raise(sys::ErrInvalidCall);
    if (element->isVoid()) {
        // An element without content: the range spans the element itself.
        if (!element->parent())
            sys::raise(sys::ErrInvalidCall);
        m_container = element->parent()->handle();
        m_start = element->indexInParent();
        m_end = m_start + 1;
        return;
    }
    m_container = element;
    m_start = 0;
    m_end = element->childCount();
}

void TextRange::select() {
    Element& element = holder();
    std::size_t end = std::min(m_end, element.childCount());
    std::size_t start = std::min(m_start, end);
    m_document->select(start == end ? Document::SelectionKind::Caret
                                    : Document::SelectionKind::Text,
                       m_container, start, end);
    m_document->m_active = std::static_pointer_cast<Element>(m_container);
}

std::string TextRange::htmlText() const {
    const Element& element = holder();
    std::size_t end = std::min(m_end, element.childCount());
    return HtmlSerializer::childrenHTML(element, std::min(m_start, end), end);
}

} // namespace dom
