// Feeds arbitrary bytes to the page document: parsing, serialisation, the round trip and
// markup writes. Any crash, sanitizer report or broken invariant stops the run.

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/TextRange.h"
#include "platform/sys/Error.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition, const char* what, const std::string& text) {
    if (condition)
        return;
    std::fprintf(stderr, "broken: %s\n--- text ---\n%s\n", what, text.c_str());
    std::abort();
}

// A saved page, read back, gives the same text again.
void checkRoundTrip(const std::string& page) {
    std::string once = dom::Document::parse(page)->serializeForSaving();
    std::string twice = dom::Document::parse(once)->serialize();
    require(twice == once, "round trip", page);
}

// Text that reads back as itself from our markup: valid UTF-8 without NUL, which no markup
// carries, and without C1 controls, whose references read as windows-1252 characters.
// Carriage returns, other controls and noncharacters go as references.
bool plainUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = c < 0x80         ? 0
                            : (c >> 5) == 6  ? 1
                            : (c >> 4) == 14 ? 2
                            : (c >> 3) == 30 ? 3
                                             : 9;
        if (extra == 9 || (extra > 0 && c < 0xC2) || i + extra >= s.size() + (extra == 0))
            return false;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k) {
            auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        bool unwritable = cp == 0 || (cp >= 0x80 && cp <= 0x9F);
        bool overlong =
            (extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF));
        if (unwritable || overlong || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// An attribute value written by us reads back unchanged, by the parser and by the reader of
// the text between its quotes.
void checkAttributeValue(const std::string& value) {
    std::string markup = "<p title=\"";
    dom::HtmlSerializer::appendAttributeValue(markup, value);
    markup += "\">";
    require(dom::HtmlSerializer::attributeValueFromMarkup(markup.substr(10, markup.size() - 12)) ==
                value,
            "attribute text", value);
    if (!plainUtf8(value))
        return;
    auto document = dom::Document::parse(markup);
    auto p = document->all().tags("P").item(0);
    require(p->getAttribute("title") == value, "attribute value", value);
}

void writeMarkup(const std::shared_ptr<dom::Document>& document, unsigned op, unsigned pick,
                 const std::string& html) {
    auto all = document->all();
    if (all.length() == 0)
        return;
    auto element = all.item(static_cast<int>(pick % static_cast<unsigned>(all.length())));
    try {
        switch (op % 8) {
        case 0:
            element->setOuterHTML(html);
            break;
        case 1:
            element->setInnerHTML(html);
            break;
        case 2:
            element->insertAdjacentHTML("BeforeBegin", html);
            break;
        case 3:
            element->insertAdjacentHTML("afterbegin", html);
            break;
        case 4:
            element->insertAdjacentHTML("BEFOREEND", html);
            break;
        case 5:
            element->insertAdjacentHTML(dom::AdjacentPosition::AfterEnd, html);
            break;
        case 6:
            document->setSelectionToContentOf(element);
            document->selection().createRange().pasteHTML(html);
            break;
        default:
            document->setCaretAtEndOf(element);
            document->selection().createRange().pasteHTML(html);
            break;
        }
    } catch (const sys::Error&) {
        // refused: the page must be whole all the same
    }
    auto elements = document->all().toVector();
    for (std::size_t i = 0; i < elements.size(); ++i)
        require(elements[i]->sourceIndex() == static_cast<int>(i), "source index", html);
    for (const auto& form : document->all().tags("FORM").toVector()) {
        require(!form->enclosingForm(), "form inside a form", html);
        for (int i = 0; i < form->length(); ++i)
            require(form->item(i)->enclosingForm() == form, "form field", html);
    }
    for (const auto& plaintext : document->all().tags("PLAINTEXT").toVector())
        require(!plaintext->hasFollowingNode(), "content after a plaintext element", html);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    checkRoundTrip(input);
    checkAttributeValue(input);

    // The first bytes choose the writes; the rest is split into a page and its fragments.
    if (size < 8)
        return 0;
    std::string rest = input.substr(8);
    std::size_t cut = rest.size() / 2;
    auto document = dom::Document::parse(rest.substr(0, cut));
    std::string fragment = rest.substr(cut);
    for (std::size_t k = 0; k < 4; ++k) {
        std::size_t from = fragment.size() * k / 4, to = fragment.size() * (k + 1) / 4;
        writeMarkup(document, data[k], data[k + 4], fragment.substr(from, to - from));
    }
    checkRoundTrip(document->serialize());
    // The edited page itself, saved, reads back as saved.
    std::string saved = document->serializeForSaving();
    require(dom::Document::parse(saved)->serialize() == saved, "edited page saved", input);
    return 0;
}
