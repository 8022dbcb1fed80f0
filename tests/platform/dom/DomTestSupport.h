#pragma once

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/TextRange.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Text.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace domtest {

inline bool isUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0)
            return false;
        for (; extra > 0; --extra)
            if (++i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
                return false;
    }
    return true;
}

// Pages in a legacy code page are read as Windows-1252: good enough to parse them.
inline std::string readPage(const std::filesystem::path& path) {
    std::string bytes = sys::FileSystem::readBytes(path.string());
    return isUtf8(bytes) ? bytes : sys::text::fromAnsi(bytes);
}

inline std::shared_ptr<dom::Document> dataPage(const std::string& name) {
    return dom::Document::parse(readPage(std::filesystem::path(ZIRIRUR_TEST_DATA) / name));
}

// A page of the corpus, by its name or its full path.
inline std::shared_ptr<dom::Document> corpusPage(const std::filesystem::path& page) {
    return dom::Document::parse(readPage(std::filesystem::path(ZIRIRUR_CORPUS_DIR) / page));
}

inline std::vector<std::filesystem::path> corpusPages() {
    std::vector<std::filesystem::path> pages;
    for (const auto& entry : std::filesystem::directory_iterator(ZIRIRUR_CORPUS_DIR))
        if (entry.path().extension() == ".htm")
            pages.push_back(entry.path());
    std::sort(pages.begin(), pages.end());
    return pages;
}

// How many fields each form of a page holds, in the forms' order.
inline std::vector<int> fieldCounts(const std::shared_ptr<dom::Document>& document) {
    std::vector<int> counts;
    for (const auto& form : document->all().tags("FORM").toVector())
        counts.push_back(form->length());
    return counts;
}

// The add-in's walk from a field up to its form, stopping at the body.
inline std::shared_ptr<dom::Element> walkToForm(std::shared_ptr<dom::Element> element) {
    while (element && element->tagName() != "FORM" && element->tagName() != "BODY")
        element = element->parentElement();
    return element && element->tagName() == "FORM" ? element : nullptr;
}

// For each field of a page (INPUT, BUTTON, SELECT, TEXTAREA, in document order), the position
// among the page's forms of the form that the add-in's walk up from it reaches; -1 for none.
// A browser's form.elements give the same for the forms it ties the fields to.
inline std::vector<int> formOfEachField(const std::shared_ptr<dom::Document>& document) {
    auto forms = document->all().tags("FORM").toVector();
    std::vector<int> result;
    for (const auto& element : document->all().toVector()) {
        if (!element->isFormField())
            continue;
        auto form = std::find(forms.begin(), forms.end(), walkToForm(element));
        result.push_back(form == forms.end() ? -1 : static_cast<int>(form - forms.begin()));
    }
    return result;
}

// The add-in's hyperlink picker, first half: a hidden DIV pasted at the caret, an empty IMG in
// it selected. Returns the DIV.
inline std::shared_ptr<dom::Element> selectHiddenImage(const std::shared_ptr<dom::Document>& doc) {
    doc->selection().createRange().pasteHTML(
        "<DIV ID=FPLink1 style='visibility:hidden; position:absolute; top:-1px; left:700px; "
        "WIDTH: 1px;HEIGHT: 1px;'></DIV>");
    auto holder = doc->all().tags("DIV").item("FPLink1");
    if (!holder)
        return nullptr;
    holder->insertAdjacentHTML("AfterBegin", "<IMG ID=FPLink2 SRC=''>");
    auto range = doc->selection().createRange();
    range.moveToElementText(doc->all().tags("IMG").item("FPLink2"));
    range.select();
    return holder;
}

// Second half, once the selection is a link: the body's DIV selected, the address read from its
// markup (after "href=" and one character, up to a double quote), the DIV emptied.
inline std::string takeLinkFromHiddenImage(const std::shared_ptr<dom::Document>& doc) {
    auto holder = doc->body()->all().tags("DIV").item("FPLink1");
    if (!holder)
        return "<no hidden DIV in the body>";
    auto range = doc->selection().createRange();
    range.moveToElementText(holder);
    range.select();
    std::string markup = range.htmlText();
    std::size_t at = markup.find("href=");
    range.pasteHTML("");
    return at == std::string::npos ? "<no link>"
                                   : markup.substr(at + 6, markup.find('"', at + 6) - at - 6);
}

// The text of an attribute in an element's markup: from after name=" up to the next double
// quote, the name found without regard to case.
inline std::string attributeTextInMarkup(const dom::Element& element, const std::string& name) {
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

// The add-in's reader of an attribute in an element's markup: that text with the references
// of our markup taken back to their characters.
inline std::string readAttributeFromMarkup(const dom::Element& element, const std::string& name) {
    return dom::HtmlSerializer::attributeValueFromMarkup(attributeTextInMarkup(element, name));
}

inline std::shared_ptr<dom::Element> byName(const std::shared_ptr<dom::Document>& document,
                                            const std::string& name) {
    return document->all().item(name);
}

} // namespace domtest
