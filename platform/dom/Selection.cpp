#include "platform/dom/Document.h"
#include "platform/dom/TextRange.h"
#include "platform/sys/Error.h"

namespace dom {

Selection::Selection(std::shared_ptr<Document> document) : m_document(std::move(document)) {}

TextRange Selection::createRange() const {
    // An element selected as a whole gives a control range, which is no text range.
    if (m_document->m_selectionKind == Document::SelectionKind::Control)
        sys::raise(sys::ErrTypeMismatch);
    return m_document->selectedRange();
}

std::string Selection::type() const {
    switch (m_document->m_selectionKind) {
    case Document::SelectionKind::Control:
        return "Control";
    case Document::SelectionKind::Text:
        return m_document->m_selectionStart == m_document->m_selectionEnd ? "None" : "Text";
    case Document::SelectionKind::Caret:
        break;
    }
    return "None";
}

} // namespace dom
