#pragma once

#include <functional>
#include <optional>
#include <string>

namespace dom {
class Document;
}

namespace editor {

// The editor's Insert Hyperlink dialog. The host answers it (a person or a script): an
// address, or none when the dialog is cancelled.
class HyperlinkDialog {
public:
    using Prompt = std::function<std::optional<std::string>()>;

    // Asks for an address and, when one is given, makes the selected content a link to it;
    // a cancelled dialog (or no host to ask) changes nothing.
    static void run(dom::Document& document, const Prompt& prompt);
    // The markup that makes content a link: <A href="ADDRESS">content</A>.
    static std::string linkMarkup(const std::string& address, const std::string& contentHtml);
};

} // namespace editor
