#include "platform/editor/Application.h"

#include "platform/dom/Document.h"
#include "platform/editor/CommandBars.h"
#include "platform/editor/HyperlinkDialog.h"
#include "platform/editor/PageWindow.h"
#include "platform/editor/Web.h"
#include "platform/sys/Error.h"

namespace editor {

Application::Application()
    : m_commandBars(std::make_unique<CommandBars>()), m_closedWeb(std::make_unique<Web>()) {
    m_commandBars->setBuiltInAction(cmdHyperlink, [this] { runHyperlinkDialog(); });
}

Application::~Application() = default;

Application& Application::application() {
    return *this;
}

std::shared_ptr<dom::Document> Application::activeDocument() const {
    return requirePage().document();
}

PageWindow* Application::activePageWindow() const {
    return m_page.get();
}

Web* Application::activeWeb() const {
    return m_web ? m_web.get() : m_closedWeb.get();
}

CommandBars& Application::commandBars() {
    return *m_commandBars;
}

Web& Application::openWeb(const std::string& folder) {
    auto web = std::make_unique<Web>(folder);
    m_web = std::move(web);
    return *m_web;
}

void Application::closeWeb() {
    m_web.reset();
}

PageWindow& Application::openPage(const std::string& path) {
    auto page = PageWindow::open(*this, path);
    m_page = std::move(page);
    return *m_page;
}

PageWindow& Application::newPage(const std::string& html, const std::string& name) {
    m_page = PageWindow::unsaved(*this, name, html);
    return *m_page;
}

void Application::closePage() {
    m_page.reset();
}

void Application::savePage() {
    requirePage().save();
}

void Application::savePageAs(const std::string& path) {
    requirePage().saveAs(path);
}

void Application::savePage(std::ostream& out) const {
    requirePage().write(out);
}

void Application::setHyperlinkPrompt(HyperlinkPrompt prompt) {
    m_hyperlinkPrompt = std::move(prompt);
}

PageWindow& Application::requirePage() const {
    if (!m_page)
        sys::raise(sys::ErrObjectVariableNotSet, "No page is open");
    return *m_page;
}

void Application::runHyperlinkDialog() {
    HyperlinkDialog::run(*activeDocument(), m_hyperlinkPrompt);
}

} // namespace editor
