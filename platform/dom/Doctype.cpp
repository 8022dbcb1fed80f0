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

std::string Doctype::markup(std::string_view name, std::string_view publicId,
                            std::string_view systemId, Form form) {
    if (name.empty())
        return "<!DOCTYPE>"; // no name: the parser reads no identifiers either
    std::string out = "<!DOCTYPE ";
    out += name;
    if (form == Form::ForcedQuirks) {
        // A word where an identifier should come makes the declaration malformed.
        if (!publicId.empty())
            out += " PUBLIC " + quoted(publicId);
        return out + " quirks>";
    }
    bool withSystem = !systemId.empty() || form == Form::EmptySystem;
    if (!publicId.empty()) {
        out += " PUBLIC " + quoted(publicId);
        if (withSystem)
            out += " " + quoted(systemId);
    } else if (withSystem) {
        out += " SYSTEM " + quoted(systemId);
    }
    return out + ">";
}

} // namespace dom
