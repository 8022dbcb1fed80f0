#include "platform/editor/PageWindow.h"

#include "platform/dom/Document.h"
#include "platform/editor/Application.h"
#include "platform/editor/FileAddress.h"
#include "platform/editor/NativePath.h"
#include "platform/editor/Web.h"
#include "platform/editor/WebFile.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"

#include <ostream>

namespace editor {

namespace {

constexpr std::string_view kUnsavedScheme = "unsaved:///";

} // namespace

PageWindow::PageWindow(const Application& application, std::shared_ptr<dom::Document> document,
                       PageEncoding encoding, LineEnds lineEnds)
    : m_application(application), m_document(std::move(document)), m_encoding(std::move(encoding)),
      m_lineEnds(std::move(lineEnds)) {}

PageWindow::~PageWindow() = default;

std::unique_ptr<PageWindow> PageWindow::open(const Application& application,
                                             const std::string& nativePath) {
    std::string path = NativePath::absolute(nativePath);
    std::string bytes = sys::FileSystem::readBytes(path);
    PageEncoding encoding = PageEncoding::of(bytes);
    std::string text = encoding.decode(bytes);
    auto document = dom::Document::parse(text);
    std::unique_ptr<PageWindow> window(
        new PageWindow(application, document, encoding, LineEnds::of(text)));
    window->place(path);
    return window;
}

std::unique_ptr<PageWindow> PageWindow::unsaved(const Application& application,
                                                const std::string& name, const std::string& html) {
    auto document = dom::Document::parse(html);
    std::unique_ptr<PageWindow> window(
        new PageWindow(application, document, PageEncoding::ofText(html), LineEnds::of(html)));
    window->m_address = std::string(kUnsavedScheme) + name;
    document->setLocationHref(window->m_address);
    return window;
}

std::shared_ptr<dom::Document> PageWindow::document() const {
    return m_document;
}

WebFile& PageWindow::file() const {
    Web* web = m_application.activeWeb();
    if (!web->isOpen())
        sys::raise(sys::ErrObjectVariableNotSet, "No web is open");
    if (!saved() || !web->holds(m_nativePath))
        sys::raise(sys::ErrObjectVariableNotSet, "The page lies in no web");
    return web->rootFolder().files().item(m_address);
}

int PageWindow::pageState() const {
    return m_pageState;
}

void PageWindow::save() {
    if (!saved())
        sys::raise(sys::ErrBadFileName, "The page has never been saved");
    sys::FileSystem::replaceBytes(m_nativePath, bytes());
}

void PageWindow::saveAs(const std::string& nativePath) {
    std::string path = NativePath::absolute(nativePath);
    sys::FileSystem::replaceBytes(path, bytes());
    place(path);
}

void PageWindow::write(std::ostream& out) const {
    std::string content = bytes();
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        sys::raise(sys::ErrDeviceIO);
}

std::string PageWindow::bytes() const {
    return m_encoding.encode(m_lineEnds.apply(m_document->serializeForSaving()));
}

void PageWindow::place(const std::string& nativePath) {
    m_nativePath = nativePath;
    m_address = FileAddress::fromNativePath(nativePath);
    m_document->setLocationHref(m_address);
}

} // namespace editor
