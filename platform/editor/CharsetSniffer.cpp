#include "platform/editor/CharsetSniffer.h"

#include "platform/editor/CharsetLabels.h"

#include <cstddef>

namespace editor {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether bytes at pos start with word (ASCII, without regard to case).
bool startsWithAt(std::string_view bytes, std::size_t pos, std::string_view word) {
    if (pos + word.size() > bytes.size())
        return false;
    for (std::size_t k = 0; k < word.size(); ++k)
        if (lowerAscii(bytes[pos + k]) != word[k])
            return false;
    return true;
}

std::size_t findIgnoringCase(std::string_view bytes, std::string_view word, std::size_t from) {
    for (std::size_t pos = from; pos + word.size() <= bytes.size(); ++pos)
        if (startsWithAt(bytes, pos, word))
            return pos;
    return std::string_view::npos;
}

struct Attribute {
    std::string name;
    std::string value;
};

// Reads one attribute of a tag at pos (which moves past it); none at the tag's end.
std::optional<Attribute> nextAttribute(std::string_view bytes, std::size_t& pos) {
    while (pos < bytes.size() && (isBlank(bytes[pos]) || bytes[pos] == '/'))
        ++pos;
    if (pos >= bytes.size() || bytes[pos] == '>')
        return std::nullopt;
    Attribute attribute;
    // The first character may be "=", as in a browser's scan; after it "=" ends the name.
    attribute.name += lowerAscii(bytes[pos++]);
    while (pos < bytes.size() && bytes[pos] != '=' && !isBlank(bytes[pos]) && bytes[pos] != '/' &&
           bytes[pos] != '>')
        attribute.name += lowerAscii(bytes[pos++]);
    while (pos < bytes.size() && isBlank(bytes[pos]))
        ++pos;
    if (pos >= bytes.size() || bytes[pos] != '=')
        return attribute;
    ++pos;
    while (pos < bytes.size() && isBlank(bytes[pos]))
        ++pos;
    if (pos >= bytes.size())
        return attribute;
    char quote = bytes[pos];
    if (quote == '"' || quote == '\'') {
        std::size_t end = bytes.find(quote, pos + 1);
        if (end == std::string_view::npos)
            end = bytes.size();
        attribute.value = std::string(bytes.substr(pos + 1, end - pos - 1));
        pos = end < bytes.size() ? end + 1 : end;
        return attribute;
    }
    while (pos < bytes.size() && !isBlank(bytes[pos]) && bytes[pos] != '>')
        attribute.value += bytes[pos++];
    return attribute;
}

// The meta tag's attributes from pos (just after "<meta"); gives the charset it names, if any.
std::optional<std::string> metaDeclaration(std::string_view bytes, std::size_t& pos) {
    bool gotPragma = false;
    std::optional<bool> needPragma;
    std::optional<std::string> charset;
    bool seenHttpEquiv = false, seenContent = false, seenCharset = false;
    while (auto attribute = nextAttribute(bytes, pos)) {
        if (attribute->name == "http-equiv" && !seenHttpEquiv) {
            seenHttpEquiv = true;
            std::string value;
            for (char c : attribute->value)
                value += lowerAscii(c);
            gotPragma = value == "content-type";
        } else if (attribute->name == "content" && !seenContent) {
            seenContent = true;
            if (!charset) {
                if (auto named = CharsetSniffer::charsetInContentType(attribute->value)) {
                    charset = named;
                    needPragma = true;
                }
            }
        } else if (attribute->name == "charset" && !seenCharset) {
            seenCharset = true;
            charset = attribute->value;
            needPragma = false;
        }
    }
    if (!needPragma || !charset || (*needPragma && !gotPragma))
        return std::nullopt;
    return charset;
}

} // namespace

std::optional<std::string> CharsetSniffer::charsetInContentType(std::string_view content) {
    std::size_t pos = 0;
    while (true) {
        pos = findIgnoringCase(content, "charset", pos);
        if (pos == std::string_view::npos)
            return std::nullopt;
        pos += 7;
        while (pos < content.size() && isBlank(content[pos]))
            ++pos;
        if (pos < content.size() && content[pos] == '=')
            break;
    }
    ++pos;
    while (pos < content.size() && isBlank(content[pos]))
        ++pos;
    if (pos >= content.size())
        return std::nullopt;
    char quote = content[pos];
    if (quote == '"' || quote == '\'') {
        std::size_t end = content.find(quote, pos + 1);
        if (end == std::string_view::npos)
            return std::nullopt;
        return std::string(content.substr(pos + 1, end - pos - 1));
    }
    std::size_t end = pos;
    while (end < content.size() && !isBlank(content[end]) && content[end] != ';')
        ++end;
    return std::string(content.substr(pos, end - pos));
}

std::optional<std::string> CharsetSniffer::metaCharset(std::string_view page) {
    const std::string_view bytes = page.substr(0, kPrescanLength);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (bytes[pos] != '<') {
            ++pos;
            continue;
        }
        if (startsWithAt(bytes, pos, "<!--")) {
            // "<!-->" ends at once: the dashes of the opening count for the closing.
            std::size_t end = bytes.find("-->", pos + 2);
            pos = end == std::string_view::npos ? bytes.size() : end + 3;
            continue;
        }
        if (startsWithAt(bytes, pos, "<meta") && pos + 5 < bytes.size() &&
            (isBlank(bytes[pos + 5]) || bytes[pos + 5] == '/')) {
            pos += 5;
            if (auto label = metaDeclaration(bytes, pos))
                if (auto charset = CharsetLabels::canonical(*label))
                    return charset;
            continue;
        }
        bool endTag = pos + 1 < bytes.size() && bytes[pos + 1] == '/';
        std::size_t nameStart = pos + (endTag ? 2 : 1);
        if (nameStart < bytes.size() && isAsciiLetter(bytes[nameStart])) {
            pos = nameStart;
            while (pos < bytes.size() && !isBlank(bytes[pos]) && bytes[pos] != '>')
                ++pos;
            while (nextAttribute(bytes, pos)) {
            }
            continue;
        }
        if (startsWithAt(bytes, pos, "<!") || startsWithAt(bytes, pos, "</") ||
            startsWithAt(bytes, pos, "<?")) {
            std::size_t end = bytes.find('>', pos);
            pos = end == std::string_view::npos ? bytes.size() : end + 1;
            continue;
        }
        ++pos;
    }
    return std::nullopt;
}

std::optional<std::string> CharsetSniffer::xmlDeclarationCharset(std::string_view bytes) {
    if (!startsWithAt(bytes, 0, "<?xml"))
        return std::nullopt;
    std::size_t end = bytes.find("?>");
    if (end == std::string_view::npos)
        return std::nullopt;
    std::string_view declaration = bytes.substr(5, end - 5);
    std::size_t pos = 0;
    while (auto attribute = nextAttribute(declaration, pos)) {
        if (attribute->name == "encoding")
            return CharsetLabels::canonical(attribute->value);
    }
    return std::nullopt;
}

} // namespace editor
