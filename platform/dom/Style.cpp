#include "platform/dom/Style.h"
#include "platform/sys/Text.h"

#include "platform/dom/Element.h"
#include "platform/sys/Error.h"

#include <vector>

namespace dom {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string trimmed(std::string_view s) {
    std::size_t from = 0, to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return std::string(s.substr(from, to - from));
}

// The declarations of a style attribute as they are written, split at the semicolons that
// stand outside quotes and brackets.
std::vector<std::string> declarations(std::string_view text) {
    std::vector<std::string> out(1);
    char quote = 0;
    int depth = 0;
    for (char c : text) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (c == ';' && depth == 0) {
            out.emplace_back();
            continue;
        }
        out.back() += c;
    }
    return out;
}

std::string propertyName(std::string_view declaration) {
    std::size_t colon = declaration.find(':');
    return colon == std::string_view::npos
               ? std::string()
               : sys::text::lowerAscii(trimmed(declaration.substr(0, colon)));
}

std::string propertyValue(std::string_view declaration) {
    std::size_t colon = declaration.find(':');
    return colon == std::string_view::npos ? std::string() : trimmed(declaration.substr(colon + 1));
}

} // namespace

Style::Style(std::shared_ptr<Element> element) : m_element(std::move(element)) {}

std::string Style::value(std::string_view property) const {
    std::string found;
    for (const std::string& declaration : declarations(cssText()))
        if (propertyName(declaration) == property)
            found = propertyValue(declaration); // the last one counts, as in a style sheet
    return found;
}

void Style::setValue(std::string_view property, const std::string& value) {
    if (value.find_first_of(";{}\r\n") != std::string::npos)
        sys::raise(sys::ErrInvalidCall);
    std::string newValue = trimmed(value);
    std::vector<std::string> parts = declarations(cssText());
    std::vector<std::string> kept;
    std::size_t at = std::string::npos;
    for (const std::string& declaration : parts) {
        if (propertyName(declaration) == property) {
            if (at == std::string::npos)
                at = kept.size();
            continue;
        }
        kept.push_back(declaration);
    }
    if (!newValue.empty()) {
        std::string declaration = std::string(property) + ": " + newValue;
        if (at != std::string::npos) {
            kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(at),
                        at == 0 ? declaration : " " + declaration);
        } else {
            bool anyDeclaration = false;
            for (const std::string& part : kept)
                anyDeclaration = anyDeclaration || !trimmed(part).empty();
            if (!anyDeclaration)
                kept = {declaration};
            else if (trimmed(kept.back()).empty()) // keep a closing semicolon last
                kept.insert(kept.end() - 1, " " + declaration);
            else
                kept.push_back(" " + declaration);
        }
    }
    bool empty = true;
    std::string text;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0)
            text += ';';
        text += kept[i];
        if (!trimmed(kept[i]).empty())
            empty = false;
    }
    if (empty)
        m_element->removeAttribute("style");
    else
        m_element->setAttribute("style", text);
}

std::string Style::backgroundColor() const {
    return value("background-color");
}
void Style::setBackgroundColor(const std::string& value) {
    setValue("background-color", value);
}
std::string Style::color() const {
    return value("color");
}
void Style::setColor(const std::string& value) {
    setValue("color", value);
}
std::string Style::fontFamily() const {
    return value("font-family");
}
void Style::setFontFamily(const std::string& value) {
    setValue("font-family", value);
}
std::string Style::fontWeight() const {
    return value("font-weight");
}
void Style::setFontWeight(const std::string& value) {
    setValue("font-weight", value);
}

std::string Style::cssText() const {
    return m_element->getAttribute("style").value_or("");
}

} // namespace dom
