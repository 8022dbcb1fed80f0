#include "fieldmanager/FindFormAtCursor.h"

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"

namespace zirirur {

namespace {

bool IsFormOrBody(const dom::Element& element) {
    const std::string tag = sys::text::upper(element.tagName());
    return tag == "FORM" || tag == "BODY";
}

} // namespace

void FindFormAtCursor(const std::shared_ptr<dom::Document>& document,
                      std::shared_ptr<dom::Element>& reached, std::shared_ptr<dom::Element>& form,
                      bool& found) {
    if (!document)
        sys::raise(sys::ErrObjectVariableNotSet);

    std::shared_ptr<dom::Element> element = document->activeElement();
    if (!element)
        return;
    int index = element->sourceIndex();
    while (!IsFormOrBody(*element)) {
        std::shared_ptr<dom::Element> parent = element->parentElement();
        if (!parent)
            return;
        index = parent->sourceIndex();
        element = parent;
    }

    // The element is taken again from the document by its place, as the page holds it now.
    std::shared_ptr<dom::Element> atIndex = document->all().item(index);
    if (!atIndex)
        sys::raise(sys::ErrObjectVariableNotSet);
    reached = atIndex;
    if (sys::text::upper(reached->tagName()) == "FORM") {
        form = reached;
        found = true;
    }
}

} // namespace zirirur
