#pragma once

#include <memory>
#include <string>

namespace dom {
class Document;
}
namespace editor {
class WebFolder;
}

namespace zirirur {

// The active page's document, taken afresh from the editor; raises error 91 when the add-in is
// not connected and the editor's own error when no page is open.
std::shared_ptr<dom::Document> PageDocument();

// Puts the installation's Scripts\FileName at the end of the page head unless a script element
// with the id ScriptId (exact case) is already there. True when the script is in the page
// afterwards; a missing file gives the critical message and False, any other failure False.
bool InsertScriptFile(const std::string& ScriptId, const std::string& FileName);

// The web folder that holds the active page; the web's root folder for a page never saved.
// nullptr when no web is open.
editor::WebFolder* GetPageFolder();

// Lets the user choose a link address with the editor's own hyperlink dialog; "" when none.
// Leaves the emptied hidden element "FPLink1" in the page.
std::string PickHyperlink();

// A file address turned into a local path ("file:///C:/a/b" gives "C:\a\b"); any other address
// comes back with its "/" turned into "\".
std::string UrlToPath(const std::string& Url);

// Non-empty text of ASCII letters and digits only.
bool IsAlphaNumeric(const std::string& Text);
bool IsValidName(std::string Text);

} // namespace zirirur
