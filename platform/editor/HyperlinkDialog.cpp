#include "platform/editor/HyperlinkDialog.h"

#include "platform/dom/Document.h"
#include "platform/dom/TextRange.h"

namespace editor {

namespace {

// The address as an attribute value that parses back to exactly the address: "&" is written
// as a reference, and a double quote, which no address may hold as it is, is %-escaped.
std::string attributeValue(const std::string& address) {
    std::string out;
    for (char c : address) {
        if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "%22";
        else
            out += c;
    }
    return out;
}

} // namespace

void HyperlinkDialog::run(dom::Document& document, const Prompt& prompt) {
    if (!prompt)
        return;
    std::optional<std::string> address = prompt();
    if (!address)
        return;
    dom::TextRange range = document.selection().createRange();
    range.pasteHTML(linkMarkup(*address, range.htmlText()));
}

std::string HyperlinkDialog::linkMarkup(const std::string& address,
                                        const std::string& contentHtml) {
    return "<A href=\"" + attributeValue(address) + "\">" + contentHtml + "</A>";
}

} // namespace editor
