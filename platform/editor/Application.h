#pragma once

// Contract of the editor stand-in as the add-in uses it (the add-in reaches everything
// through its Application). The editor's developer owns the private side and the host-side
// members; the add-in-side members below are fixed. A failing call raises sys::Error.

#include <memory>
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
    // The open web, nullptr without one.
    Web* activeWeb() const;
    CommandBars& commandBars();
};

} // namespace editor
