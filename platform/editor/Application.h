#pragma once

// Contract of the editor stand-in as the add-in uses it (the add-in reaches everything
// through its Application). The editor's developer owns the private side and the host-side
// members; the add-in-side members below are fixed. A failing call raises sys::Error.

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace dom {
class Document;
}

namespace editor {

class CommandBars;
class PageWindow;
class Web;

class Application {
public:
    // Its own Application property (the application itself).
    Application& application();
    // The active page's document; raises when no page is open.
    std::shared_ptr<dom::Document> activeDocument() const;
    // The active page window, nullptr when none is open.
    PageWindow* activePageWindow() const;
    // The open web; without one, the closed web (an empty address), never nullptr.
    Web* activeWeb() const;
    CommandBars& commandBars();

    // Host side.
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Opens a real folder as the web (closing the one open before); raises 76 for no folder.
    Web& openWeb(const std::string& folder);
    void closeWeb();
    // Opens a real HTML file, in the web or outside any web, as the active page (closing the
    // one open before).
    PageWindow& openPage(const std::string& path);
    // A page made in the editor and never saved: its address is "unsaved:///" and its name.
    PageWindow& newPage(const std::string& html, const std::string& name = "new_page_1.htm");
    void closePage();
    // Saves the active page to its file, to another file (the page's file from then on), or
    // to a stream; raises when no page is open.
    void savePage();
    void savePageAs(const std::string& path);
    void savePage(std::ostream& out) const;

    // Answers the editor's hyperlink dialog: the address the user gives, nullopt when the
    // dialog is cancelled. Without an answer the dialog counts as cancelled.
    using HyperlinkPrompt = std::function<std::optional<std::string>()>;
    void setHyperlinkPrompt(HyperlinkPrompt prompt);

private:
    PageWindow& requirePage() const;
    void runHyperlinkDialog();

    std::unique_ptr<CommandBars> m_commandBars;
    std::unique_ptr<Web> m_web;
    std::unique_ptr<Web> m_closedWeb;
    std::unique_ptr<PageWindow> m_page;
    HyperlinkPrompt m_hyperlinkPrompt;
};

} // namespace editor
