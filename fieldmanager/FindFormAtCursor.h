#pragma once

#include <memory>

namespace dom {
class Document;
class Element;
} // namespace dom

namespace zirirur {

// Walks from the document's active element up to the nearest FORM, stopping at BODY.
// reached becomes the element where the walk stopped (the FORM or the BODY); when that is a
// FORM, form becomes it and found becomes true. Otherwise form and found keep their values,
// so each caller decides when to reset its flag. An element without a parent, or a document
// without an active element, ends the walk with nothing found and reached unchanged.
// Shows nothing: every caller has its own message for "no form".
void FindFormAtCursor(const std::shared_ptr<dom::Document>& document,
                      std::shared_ptr<dom::Element>& reached, std::shared_ptr<dom::Element>& form,
                      bool& found);

} // namespace zirirur
