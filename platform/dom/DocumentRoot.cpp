#include "platform/dom/DocumentRoot.h"

#include "platform/dom/Document.h"

namespace dom {

void DocumentRoot::treeChanged() {
    if (m_owner)
        m_owner->noteTreeChanged();
}

} // namespace dom
