#pragma once

#include "platform/dom/Node.h"

#include <string>

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

    Doctype(std::string name, std::string publicId, std::string systemId)
        : Node(Kind::Doctype), m_name(std::move(name)), m_publicId(std::move(publicId)),
          m_systemId(std::move(systemId)) {}

    const std::string& name() const { return m_name; }
    const std::string& publicId() const { return m_publicId; }
    const std::string& systemId() const { return m_systemId; }
    Form form() const { return m_form; }
    void setForm(Form form) { m_form = form; }

    // The declaration as it is written into the page.
    std::string markup() const;

private:
    std::string m_name;
    std::string m_publicId;
    std::string m_systemId;
    Form m_form = Form::Plain;
};

} // namespace dom
