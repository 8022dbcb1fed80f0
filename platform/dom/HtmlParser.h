#pragma once

#include <memory>
#include <string_view>
#include <vector>

namespace dom {

class Element;
class Node;

// A field that the parser tied to a form although the field does not stand inside it: what
// real pages get when a form start tag sits between a table's tags.
struct FormAssociation {
    Element* field;
    Element* form;
};

// The only door to the HTML5 parser: whole pages and fragments in the context of an element
// come out as nodes of our own tree.
class HtmlParser {
public:
    // Parses a whole page into root (a new document's, still empty); gives the fields tied to
    // forms that do not hold them, in document order of the fields.
    static std::vector<FormAssociation> parseDocument(std::string_view html, Node& root);
    // Whether html, read as a whole page, gives a tree like root's, and nothing that reading a
    // page changes afterwards (no field tied to a form that does not hold it). It takes the
    // parser's work alone: no second tree is built. It may say no where the tree would come
    // out the same after all (nesting below the deepest level, say); its yes is always right.
    static bool readsBackAs(std::string_view html, const Node& root);
    // The markup parsed as the content of context would be; the nodes come back detached.
    static std::vector<std::shared_ptr<Node>> parseFragment(std::string_view html,
                                                            const Element& context);
    // The parser's bare parse, as any user of it has it (its own allocation, its tree freed
    // afterwards), building nothing of ours: what our parse is measured against.
    static void parseOnly(std::string_view html);
};

} // namespace dom
