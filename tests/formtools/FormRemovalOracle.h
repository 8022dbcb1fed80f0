#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dom {
class Element;
}

// The options of Remove Form/Form Parts, by their index.
enum class Removal { WholeForm = 0, TagsAndFields = 1, Fields = 2, FieldsOfType = 3 };

// The field types that option 3 offers, in their order.
inline const std::vector<std::string> RemovalFieldTypes = {
    "HIDDEN", "IMAGE", "TEXT", "BUTTON", "SUBMIT", "RESET", "SELECT", "CHECKBOX", "RADIO"};

// What a removal must leave of a page, worked out on the page's text instead of its tree: the
// removed fields' markup is cut out of the form's markup from the last field to the first, and
// the form's markup is then replaced as the option says (one blank; its content without the
// tags; itself without the fields). page is the serialised page before the removal, removed
// the form's fields that go, in the form's order. nullopt when the form's markup is not found
// once and only once in the page, or a field's markup not inside the form's.
std::optional<std::string>
expectedAfterRemoval(const std::string& page, const dom::Element& form,
                     const std::vector<std::shared_ptr<dom::Element>>& removed, Removal removal);

// The fields of the form that the removal takes one by one, in the form's order: none for the
// whole form, all of them, or those whose type the page gives as type (any case; "SELECT" for
// the selection lists of both kinds).
std::vector<std::shared_ptr<dom::Element>>
fieldsRemovedBy(const dom::Element& form, Removal removal, const std::string& type);
