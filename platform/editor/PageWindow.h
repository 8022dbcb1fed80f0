#pragma once

#include <memory>

namespace dom {
class Document;
}

namespace editor {

class WebFile;

class PageWindow {
public:
    std::shared_ptr<dom::Document> document() const;
    // The page's web file; raises when the page lies in no web or was never saved.
    WebFile& file() const;
    // 1 when a page is open and ready.
    int pageState() const;
};

} // namespace editor
