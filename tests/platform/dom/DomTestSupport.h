#pragma once

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/sys/Text.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace domtest {

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

inline bool isUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = c < 0x80         ? 0
                            : (c >> 5) == 6  ? 1
                            : (c >> 4) == 14 ? 2
                            : (c >> 3) == 30 ? 3
                                             : 9;
        if (extra == 9 || i + extra >= s.size() + (extra == 0 ? 1 : 0))
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

// Pages in a legacy code page are read as Windows-1252: good enough to parse them.
inline std::string readPage(const std::filesystem::path& path) {
    std::string bytes = readBytes(path);
    return isUtf8(bytes) ? bytes : sys::text::fromAnsi(bytes);
}

inline std::shared_ptr<dom::Document> dataPage(const std::string& name) {
    return dom::Document::parse(readPage(std::filesystem::path(ZIRIRUR_TEST_DATA) / name));
}

// The add-in's reader of an attribute in an element's markup: the text from after
// name=" up to the next double quote, the name found without regard to case.
inline std::string readAttributeFromMarkup(const dom::Element& element, const std::string& name) {
    std::string html = element.outerHTML();
    long p = sys::text::find(html, name, 1, sys::text::Compare::IgnoreCase);
    if (p == 0)
        return "";
    long from = p + sys::text::length(name) + 2;
    long q = sys::text::find(html, "\"", from);
    if (q == 0)
        return "";
    return sys::text::mid(html, from, q - from);
}

inline std::shared_ptr<dom::Element> byName(const std::shared_ptr<dom::Document>& document,
                                            const std::string& name) {
    return document->all().item(name);
}

} // namespace domtest
