#pragma once

#include "platform/dom/Node.h"

#include <string>
#include <string_view>

namespace dom {

// The page's document type declaration. The parser decides in which rendering mode a page
// runs from it, and the tree a page parses into depends on that mode, so the declaration is
// written back in a form that puts the page into the same mode again.
class Doctype : public Node {
public:
    enum class Form {
        Plain,        // <!DOCTYPE name PUBLIC "public" "system">, the parts that are present
        EmptySystem,  // as Plain, with an empty system identifier spelt out
        ForcedQuirks, // a declaration the parser reads as malformed, which forces quirks mode
    };

    std::string_view name() const { return m_name; }
    std::string_view publicId() const { return m_publicId; }
    std::string_view systemId() const { return m_systemId; }
    Form form() const { return m_form; }
    void setForm(Form form) { m_form = form; }

    // The declaration as it is written into the page.
    std::string markup() const { return markup(m_name, m_publicId, m_systemId, m_form); }
    // The declaration of that name and those identifiers, written in that form.
    static std::string markup(std::string_view name, std::string_view publicId,
                              std::string_view systemId, Form form);

private:
    friend class Node;
    friend class NodeArena;
    // The identifiers are already in the arena.
    Doctype(NodeArena& arena, std::string_view name, std::string_view publicId,
            std::string_view systemId)
        : Node(Kind::Doctype, arena), m_name(name), m_publicId(publicId), m_systemId(systemId) {}
    void freeIdentifiers();

    std::string_view m_name;
    std::string_view m_publicId;
    std::string_view m_systemId;
    Form m_form = Form::Plain;
};

} // namespace dom
