#pragma once

#include "platform/editor/LineEnds.h"
#include "platform/editor/PageEncoding.h"

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace dom {
class Document;
}

namespace editor {

class Application;
class WebFile;

// The page state: 1 when the page is open and ready for editing.
enum PageState : int { pageLoading = 0, pageReady = 1 };

// A page open in the editor: a real HTML file (in the open web or outside any web), or a page
// never saved. Its document's location is the page's address.
class PageWindow {
public:
    std::shared_ptr<dom::Document> document() const;
    // The page's web file; raises when the page lies in no web or was never saved.
    WebFile& file() const;
    // 1 when a page is open and ready.
    int pageState() const;

    // Host side.
    // No real page comes near this size: a larger file (or one that never ends, a device or
    // a pipe) is refused before it fills the memory.
    static constexpr std::size_t kLargestPage = std::size_t{64} << 20;
    // A page file's text, decoded in its charset. Raises as reading the file raises, 6 for a
    // file larger than any page, and 54 for a file that is not text (one that holds NUL
    // bytes, or whose bytes mostly do not decode), saying why in the description.
    struct Text {
        PageEncoding encoding;
        std::string text;
    };
    static Text read(const std::string& nativePath);
    // Opens the page file (read as read() reads it); raises as read() raises.
    static std::unique_ptr<PageWindow> open(const Application& application,
                                            const std::string& nativePath);
    // A page made in the editor from UTF-8 markup, under a name ("new_page_1.htm").
    static std::unique_ptr<PageWindow> unsaved(const Application& application,
                                               const std::string& name, const std::string& html);
    ~PageWindow();
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    // "file:///C:/tmp/web/page.htm", or "unsaved:///new_page_1.htm".
    const std::string& address() const { return m_address; }
    bool saved() const { return !m_nativePath.empty(); }
    const std::string& nativePath() const { return m_nativePath; }
    const PageEncoding& encoding() const { return m_encoding; }
    const LineEnds& lineEnds() const { return m_lineEnds; }
    // Takes the document as it stands now for the page unchanged (a hash of its markup, so
    // that a large page is not kept twice); changed() compares with it.
    void markUnchanged();
    // Whether the document differs from what markUnchanged() took; true when it took nothing.
    bool changed() const;
    void setPageState(int state) { m_pageState = state; }

    // Writes the page to its file (replacing it atomically); raises for a page never saved.
    void save();
    // Writes the page to another file, which is the page's file from then on.
    void saveAs(const std::string& nativePath);
    // Writes the page's bytes, in its charset, to a stream.
    void write(std::ostream& out) const;
    // The page's bytes, in its charset.
    std::string bytes() const;

private:
    PageWindow(const Application& application, std::shared_ptr<dom::Document> document,
               PageEncoding encoding, LineEnds lineEnds);
    void place(const std::string& nativePath);

    const Application& m_application;
    std::shared_ptr<dom::Document> m_document;
    PageEncoding m_encoding;
    LineEnds m_lineEnds;
    std::optional<std::size_t> m_unchanged; // the hash of the unchanged document's markup
    std::string m_nativePath;               // empty for a page never saved
    std::string m_address;
    int m_pageState = pageReady;
};

} // namespace editor
