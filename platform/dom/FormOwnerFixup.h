#pragma once

#include "platform/dom/HtmlParser.h"

#include <vector>

namespace dom {

// Real pages often put a form's start tag between a table's tags. The HTML5 parser then leaves
// the FORM empty where it stands and ties the fields that follow to it only through its form
// pointer, while the add-in finds a field's form by walking up from the field and counts the
// form's fields as those inside it, as the old engine let it. After a page is parsed, the
// content that holds such fields is therefore moved into their FORM:
//
// - when the fields lie in the siblings that follow the FORM (a FORM between TABLE and TR,
//   or between TR and TD), those siblings, up to the last one holding such a field, move into
//   the FORM: <TABLE><FORM><TBODY>...</TBODY></FORM></TABLE>. Written back this way, the page
//   reads back to an empty FORM followed by the same siblings, its end tag closing the
//   parser's form pointer right after them, so the same rule gives the same tree again;
// - when the FORM cannot take them where it stands, because the siblings that hold them hold
//   another FORM too (the first of several forms among a table's rows stands in the TABLE,
//   its rows in the implied TBODY with the forms after it) or because it stands inside an
//   earlier sibling of theirs (a FORM between TR and TD ties the next row's fields when the
//   </TR> is left out), the FORM moves in front of the first node that holds one of its fields,
//   its own content left in its place, and the rule above applies there: beside the element
//   that held it, or down into the one sibling that holds all its fields, further down if need
//   be: <TABLE><TBODY><FORM><TR>...</TR></FORM><FORM><TR>...</TR></FORM></TBODY></TABLE>.
//   Written back, that FORM too reads back empty in front of the same nodes;
// - otherwise (fields that the parser placed before the table, say) the FORM, its own
//   content left in its place, wraps the run of siblings under the nearest common ancestor
//   that reaches from the first to the last of them.
//
// A move that would put one FORM inside another is not made.
class FormOwnerFixup {
public:
    static void apply(const std::vector<FormAssociation>& associations);
    // A FORM inside a FORM (misnested tags can leave the outer one open) cannot be written as
    // markup: read back, the inner start tag is dropped. The inner FORM gives up its tags here
    // already, its content staying in place, and so belongs to the outer form.
    static void flattenNestedForms(Node& root);

    // Where the nodes of markup written into a page land.
    enum class Landing { OutsideForms, InsideForm };
    // The same for those nodes; inside a form every FORM among them gives up its tags.
    static void flattenNestedForms(std::vector<std::shared_ptr<Node>>& nodes, Landing landing);
};

} // namespace dom
