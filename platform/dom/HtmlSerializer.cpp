#include "platform/dom/HtmlSerializer.h"

#include "platform/sys/Text.h"

#include "platform/dom/Comment.h"
#include "platform/dom/Doctype.h"
#include "platform/dom/Element.h"
#include "platform/dom/Text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace dom {

namespace {

bool isAsciiAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isAsciiAlnum(char c) {
    return isAsciiAlpha(c) || (c >= '0' && c <= '9');
}

// The character references that the parser also reads without their closing semicolon.
constexpr std::array<std::string_view, 106> kLegacyReferences = {
    "AElig",  "AMP",    "Aacute", "Acirc",  "Agrave", "Aring",  "Atilde", "Auml",   "COPY",
    "Ccedil", "ETH",    "Eacute", "Ecirc",  "Egrave", "Euml",   "GT",     "Iacute", "Icirc",
    "Igrave", "Iuml",   "LT",     "Ntilde", "Oacute", "Ocirc",  "Ograve", "Oslash", "Otilde",
    "Ouml",   "QUOT",   "REG",    "THORN",  "Uacute", "Ucirc",  "Ugrave", "Uuml",   "Yacute",
    "aacute", "acirc",  "acute",  "aelig",  "agrave", "amp",    "aring",  "atilde", "auml",
    "brvbar", "ccedil", "cedil",  "cent",   "copy",   "curren", "deg",    "divide", "eacute",
    "ecirc",  "egrave", "eth",    "euml",   "frac12", "frac14", "frac34", "gt",     "iacute",
    "icirc",  "iexcl",  "igrave", "iquest", "iuml",   "laquo",  "lt",     "macr",   "micro",
    "middot", "nbsp",   "not",    "ntilde", "oacute", "ocirc",  "ograve", "ordf",   "ordm",
    "oslash", "otilde", "ouml",   "para",   "plusmn", "pound",  "quot",   "raquo",  "reg",
    "sect",   "shy",    "sup1",   "sup2",   "sup3",   "szlig",  "thorn",  "times",  "uacute",
    "ucirc",  "ugrave", "uml",    "uuml",   "yacute", "yen",    "yuml"};

// Whether the parser, reading an attribute value, takes the "&" before rest as the start of a
// character reference. Errs on the side of yes: an escaped ampersand always reads back as one.
bool startsReferenceInAttribute(std::string_view rest) {
    if (rest.empty())
        return false;
    if (rest[0] == '#')
        return true;
    if (!isAsciiAlpha(rest[0]))
        return false;
    std::size_t run = 0;
    while (run < rest.size() && isAsciiAlnum(rest[run]))
        ++run;
    if (run < rest.size() && rest[run] == ';')
        return true;
    for (std::string_view name : kLegacyReferences) {
        if (rest.substr(0, name.size()) != name)
            continue;
        if (rest.size() == name.size())
            return true;
        char next = rest[name.size()];
        if (!isAsciiAlnum(next) && next != '=')
            return true;
    }
    return false;
}

// The length of a character that the parser would not take over as it stands in the input
// (it turns controls and noncharacters into U+FFFD and a carriage return into a line feed),
// 0 for any other. Written as a numeric reference, such a character reads back as itself.
std::size_t replacedCharacterAt(std::string_view s, std::size_t i, char32_t& cp) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    unsigned char c = byte(0);
    if (c < 0x80) {
        cp = c;
        bool control = (c >= 0x01 && c <= 0x08) || c == 0x0B || c == 0x0D ||
                       (c >= 0x0E && c <= 0x1F) || c == 0x7F;
        return control ? 1 : 0;
    }
    if (c == 0xC2 && i + 1 < s.size() && byte(1) >= 0x80 && byte(1) <= 0x9F) {
        cp = byte(1);
        return 2;
    }
    if (c == 0xEF && i + 2 < s.size() &&
        ((byte(1) == 0xB7 && byte(2) >= 0x90 && byte(2) <= 0xAF) ||
         (byte(1) == 0xBF && (byte(2) == 0xBE || byte(2) == 0xBF)))) {
        cp = 0xF000 | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4 && i + 3 < s.size() && (byte(1) & 0xCF) == 0x8F && byte(2) == 0xBF &&
        (byte(3) == 0xBE || byte(3) == 0xBF)) {
        cp = ((c & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) |
             (byte(3) & 0x3F);
        // Bytes beyond the last character (or an overlong one) are no character at all.
        return cp >= 0x10000 && cp <= 0x10FFFF ? 4 : 0;
    }
    return 0;
}

// Appends the character at s[i] as a numeric reference when the parser would not take it
// over as it is; gives how many bytes it took (0: none, the caller writes it).
std::size_t appendReplacedCharacter(std::string& out, std::string_view s, std::size_t i) {
    char32_t cp = 0;
    std::size_t length = replacedCharacterAt(s, i, cp);
    if (length > 0) {
        char reference[16];
        std::snprintf(reference, sizeof reference, "&#x%X;", static_cast<unsigned>(cp));
        out += reference;
    }
    return length;
}

// The character behind a numeric reference at text[i] written exactly as
// appendReplacedCharacter writes it ("&#xD;"), and the length of the reference; 0 for any
// other text, which stays as it is.
std::size_t ownReferenceAt(std::string_view text, std::size_t i, std::string& character) {
    if (text.substr(i, 3) != "&#x")
        return 0;
    std::size_t end = i + 3;
    char32_t cp = 0;
    while (end < text.size() && end < i + 9 &&
           ((text[end] >= '0' && text[end] <= '9') || (text[end] >= 'A' && text[end] <= 'F'))) {
        cp = cp * 16 +
             static_cast<char32_t>(text[end] <= '9' ? text[end] - '0' : text[end] - 'A' + 10);
        ++end;
    }
    if (end == i + 3 || end >= text.size() || text[end] != ';' || cp > 0x10FFFF)
        return 0;
    std::string decoded;
    sys::text::appendUtf8(decoded, cp);
    std::string again;
    if (appendReplacedCharacter(again, decoded, 0) != decoded.size() ||
        again != text.substr(i, end + 1 - i))
        return 0;
    character = std::move(decoded);
    return end + 1 - i;
}

// Bytes where text or an attribute value may need more than copying: markup characters,
// controls, and the lead bytes of the characters that the parser would not take over.
constexpr std::array<bool, 256> kNeedsCare = [] {
    std::array<bool, 256> table{};
    for (int c = 0x01; c < 0x20; ++c)
        table[c] = c != '\t' && c != '\n' && c != '\f';
    for (unsigned char c : {'<', '>', '&', '"', '\x7F', '\xC2', '\xEF'})
        table[c] = true;
    for (int c = 0xF0; c <= 0xF4; ++c)
        table[c] = true;
    return table;
}();

// Where the run of bytes from s[from] on that can be copied as they are ends.
std::size_t plainRunEnd(std::string_view s, std::size_t from) {
    while (from < s.size() && !kNeedsCare[static_cast<unsigned char>(s[from])])
        ++from;
    return from;
}

class Writer {
public:
    void node(const Node& node) {
        if (m_stopped)
            return;
        switch (node.kind()) {
        case Node::Kind::Element:
            element(static_cast<const Element&>(node));
            break;
        case Node::Kind::Text:
            text(static_cast<const Text&>(node));
            break;
        case Node::Kind::Comment:
            m_out += "<!--";
            m_out += static_cast<const Comment&>(node).data();
            m_out += "-->";
            break;
        case Node::Kind::Doctype:
            m_out += static_cast<const Doctype&>(node).markup();
            break;
        case Node::Kind::Root:
            children(node, 0, node.childCount());
            break;
        }
    }

    void children(const Node& parent, std::size_t from, std::size_t to) {
        auto list = parent.children();
        to = std::min(to, list.size());
        bool raw = parent.isElement() && static_cast<const Element&>(parent).isRawText();
        for (std::size_t i = from; i < to; ++i) {
            if (list[i]->kind() != Node::Kind::Text) {
                node(*list[i]);
                continue;
            }
            if (m_stopped)
                return;
            std::string_view text = static_cast<const Text&>(*list[i]).data();
            // Neighbouring texts read back as one: escape them as one.
            std::string joined;
            if (i + 1 < to && list[i + 1]->kind() == Node::Kind::Text) {
                for (; i < to && list[i]->kind() == Node::Kind::Text; ++i)
                    joined += static_cast<const Text&>(*list[i]).data();
                --i;
                text = joined;
            }
            if (raw)
                m_out += text;
            else
                HtmlSerializer::appendText(m_out, text);
        }
    }

    std::string take() { return std::move(m_out); }

private:
    void element(const Element& element) {
        const std::string& name = element.name().tagName();
        m_out += '<';
        m_out += name;
        for (const Attribute& attribute : element.attributes()) {
            m_out += ' ';
            m_out += attribute.name();
            m_out += "=\"";
            HtmlSerializer::appendAttributeValue(m_out, attribute.value());
            m_out += '"';
        }
        bool html = element.elementNamespace() == Namespace::Html;
        if (!html && element.childCount() == 0) {
            m_out += " />";
            return;
        }
        m_out += '>';
        if (element.isVoid())
            return;
        if (element.name().has(ElementName::DropsLeadingNewline)) {
            // The parser drops one line feed right after these start tags.
            auto list = element.children();
            if (!list.empty() && list.front()->kind() == Node::Kind::Text) {
                std::string_view data = static_cast<const Text&>(*list.front()).data();
                if (!data.empty() && data.front() == '\n')
                    m_out += '\n';
            }
        }
        children(element, 0, element.childCount());
        if (element.is("plaintext"))
            m_stopped = true; // everything after its start tag reads back as its text
        if (m_stopped)
            return; // so nothing may follow it, not even the end tags around it
        m_out += "</";
        m_out += name;
        m_out += '>';
    }

    void text(const Text& text) {
        const Node* parent = text.parent();
        if (parent && parent->isElement() && static_cast<const Element&>(*parent).isRawText())
            m_out += text.data();
        else
            HtmlSerializer::appendText(m_out, text.data());
    }

    std::string m_out;
    bool m_stopped = false;
};

} // namespace

std::string HtmlSerializer::outerHTML(const Node& node) {
    Writer writer;
    writer.node(node);
    return writer.take();
}

std::string HtmlSerializer::innerHTML(const Node& node) {
    return childrenHTML(node, 0, node.childCount());
}

std::string HtmlSerializer::childrenHTML(const Node& parent, std::size_t from, std::size_t to) {
    Writer writer;
    writer.children(parent, from, to);
    return writer.take();
}

void HtmlSerializer::appendAttributeValue(std::string& out, std::string_view value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        std::size_t plain = plainRunEnd(value, i);
        out.append(value.data() + i, plain - i);
        if (plain == value.size())
            return;
        i = plain;
        char c = value[i];
        if (std::size_t length = appendReplacedCharacter(out, value, i))
            i += length - 1;
        else if (c == '"')
            out += "&quot;";
        else if (c == '&' && startsReferenceInAttribute(value.substr(i + 1)))
            out += "&amp;";
        else
            out += c;
    }
}

std::string HtmlSerializer::attributeValueFromMarkup(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, 6) == "&quot;") {
            out += '"';
            i += 6;
        } else if (text.substr(i, 5) == "&amp;") {
            out += '&';
            i += 5;
        } else if (std::string character; std::size_t length = ownReferenceAt(text, i, character)) {
            out += character;
            i += length;
        } else {
            out += text[i++];
        }
    }
    return out;
}

void HtmlSerializer::appendText(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t plain = plainRunEnd(text, i);
        out.append(text.data() + i, plain - i);
        if (plain == text.size())
            return;
        i = plain;
        char c = text[i];
        if (std::size_t length = appendReplacedCharacter(out, text, i))
            i += length - 1;
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&' && i + 1 < text.size() &&
                 (isAsciiAlpha(text[i + 1]) || text[i + 1] == '#'))
            out += "&amp;";
        else if (c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
            out += "&nbsp;";
            ++i;
        } else
            out += c;
    }
}

} // namespace dom
