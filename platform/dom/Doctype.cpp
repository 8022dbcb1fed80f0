#include "platform/dom/Doctype.h"

#include "platform/dom/NodeArena.h"

namespace dom {

namespace {

// An identifier that holds a double quote was written between apostrophes.
std::string quoted(std::string_view id) {
    char mark = id.find('"') == std::string_view::npos ? '"' : '\'';
    std::string out(1, mark);
    out += id;
    return out + mark;
}

} // namespace

void Doctype::freeIdentifiers() {
    arena().discard(m_name);
    arena().discard(m_publicId);
    arena().discard(m_systemId);
}

std::string Doctype::markup() const {
    if (m_name.empty())
        return "<!DOCTYPE>"; // no name: the parser reads no identifiers either
    std::string out = "<!DOCTYPE ";
    out += m_name;
    if (m_form == Form::ForcedQuirks) {
        // A word where an identifier should come makes the declaration malformed.
        if (!m_publicId.empty())
            out += " PUBLIC " + quoted(m_publicId);
        return out + " quirks>";
    }
    bool withSystem = !m_systemId.empty() || m_form == Form::EmptySystem;
    if (!m_publicId.empty()) {
        out += " PUBLIC " + quoted(m_publicId);
        if (withSystem)
            out += " " + quoted(m_systemId);
    } else if (withSystem) {
        out += " SYSTEM " + quoted(m_systemId);
    }
    return out + ">";
}

} // namespace dom
