#include "platform/editor/PageWindow.h"

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/editor/Application.h"
#include "platform/editor/FileAddress.h"
#include "platform/editor/NativePath.h"
#include "platform/editor/UndecodableByte.h"
#include "platform/editor/Web.h"
#include "platform/editor/WebFile.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Text.h"

#include <functional>
#include <ostream>

namespace editor {

namespace {

constexpr std::string_view kUnsavedScheme = "unsaved:///";

// A page file holds text: no NUL, and fewer bytes that do not decode than characters that do.
void requireText(const std::string& text, const std::string& charset) {
    if (text.find('\0') != std::string::npos)
        sys::raise(sys::ErrBadFileMode, "it is not text (it holds NUL bytes)");
    std::size_t undecodable = 0;
    for (std::size_t at = UndecodableByte::find(text, 0); at != std::string::npos;
         at = UndecodableByte::find(text, at + UndecodableByte::kLength))
        ++undecodable;
    // Each mark is three characters: the replacement character and two selectors.
    auto decoded = static_cast<std::size_t>(sys::text::length(text)) - 3 * undecodable;
    if (undecodable > 0 && undecodable >= decoded)
        sys::raise(sys::ErrBadFileMode,
                   "it is not text (most of its bytes do not read as " + charset + ")");
}

// The parser reads an XML declaration as a comment ("<!--?xml ...?-->"). It goes back to disk
// as the declaration it was, which reads back as the same comment, so that the next opening
// finds the charset it names where it found it before.
void restoreXmlDeclaration(std::string& text) {
    if (sys::text::lowerAscii(text.substr(0, 8)) != "<!--?xml")
        return;
    const std::size_t end = text.find("-->", 4);
    if (end == std::string::npos)
        return;
    const std::string data = text.substr(4, end - 4);
    if (data.find('>') == std::string::npos)
        text.replace(0, end + 3, "<" + data + ">");
}

// The text with a declaration of the charset first in its head, where the prescan finds it.
std::string withCharsetDeclared(const std::string& text, const std::string& charset) {
    auto declared = dom::Document::parse(text);
    if (!declared->head())
        return text;
    declared->head()->insertAdjacentHTML(dom::AdjacentPosition::AfterBegin,
                                         "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                         "charset=" +
                                             charset + "\">");
    std::string result = declared->serializeForSaving();
    restoreXmlDeclaration(result);
    return result;
}

} // namespace

PageWindow::PageWindow(const Application& application, std::shared_ptr<dom::Document> document,
                       PageEncoding encoding, LineEnds lineEnds)
    : m_application(application), m_document(std::move(document)), m_encoding(std::move(encoding)),
      m_lineEnds(std::move(lineEnds)) {}

PageWindow::~PageWindow() = default;

PageWindow::Text PageWindow::read(const std::string& nativePath) {
    std::string bytes = sys::FileSystem::readBytes(nativePath, kLargestPage);
    Text page{PageEncoding::of(bytes), ""};
    page.text = page.encoding.decode(bytes);
    requireText(page.text, page.encoding.charset());
    return page;
}

std::unique_ptr<PageWindow> PageWindow::open(const Application& application,
                                             const std::string& nativePath) {
    std::string path = NativePath::absolute(nativePath);
    Text page = read(path);
    auto document = dom::Document::parse(page.text);
    std::unique_ptr<PageWindow> window(
        new PageWindow(application, document, page.encoding, LineEnds::of(page.text)));
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

void PageWindow::markUnchanged() {
    m_unchanged = std::hash<std::string>{}(m_document->serialize());
}

bool PageWindow::changed() const {
    return !m_unchanged || std::hash<std::string>{}(m_document->serialize()) != *m_unchanged;
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
    std::string text = m_document->serializeForSaving();
    restoreXmlDeclaration(text);
    std::string bytes = m_encoding.encode(m_lineEnds.apply(text));
    if (PageEncoding::of(bytes).charset() == m_encoding.charset())
        return bytes;
    // The declaring meta was pushed out of the prescan's reach (by what the head gained in
    // front of a meta that text had pushed into the body, say), or the prescan would now find
    // another charset: the page declares its own again, for the saves after this one too.
    return m_encoding.encode(m_lineEnds.apply(withCharsetDeclared(text, m_encoding.charset())));
}

void PageWindow::place(const std::string& nativePath) {
    m_nativePath = nativePath;
    m_address = FileAddress::fromNativePath(nativePath);
    m_document->setLocationHref(m_address);
}

} // namespace editor
