#include "PageSession.h"

#include "addin/ProjectGlobals.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/PageWindow.h"
#include "platform/sys/App.h"
#include "platform/sys/FileSystem.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TextBox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// Small stand-ins for the installed script files: whole script elements with their ids.
const char* const TextScript =
    "<script id=\"VQRTextFuncs\" type=\"text/javascript\">function VQRMakeUpper(f) {}</script>";
const char* const StatusScript =
    "<script id=\"VQRStatus\" type=\"text/javascript\">function ZirirurStatus(t) {}</script>";

} // namespace

PageSession::PageSession() {
    fs::create_directories(webFolder());
    m_root.write("install/Scripts/vqrtext.fps", TextScript);
    m_root.write("install/Scripts/vqrstatus.fps", StatusScript);
    sys::App::setPath(sys::FileSystem::windowsPath(installFolder()));
    ui::Driver::instance().reset();
    ui::Driver::instance().setTranscript(nullptr);
    zirirur::FPApp = &m_app;
}

PageSession::PageSession(const std::string& page, const std::string& folder) : PageSession() {
    const std::string pageFolder = folder.empty() ? webFolder() : webFolder() + "/" + folder;
    fs::create_directories(pageFolder);
    m_pagePath = pageFolder + "/" + fs::path(page).filename().string();
    fs::copy_file(fs::path(ZIRIRUR_TEST_DATA) / page, m_pagePath);
    m_app.openWeb(webFolder());
    m_app.openPage(m_pagePath);
}

std::unique_ptr<PageSession> PageSession::fromBytes(const std::string& bytes) {
    std::unique_ptr<PageSession> session(new PageSession());
    session->m_pagePath = session->webFolder() + "/page.htm";
    ScratchFolder::writeFile(session->m_pagePath, bytes);
    session->m_app.openWeb(session->webFolder());
    session->m_app.openPage(session->m_pagePath);
    return session;
}

PageSession::~PageSession() {
    zirirur::FPApp = nullptr;
    ui::Driver::instance().reset();
}

void PageSession::removeScriptFile(const std::string& fileName) {
    fs::remove(installFolder() + "/Scripts/" + fileName);
}

std::shared_ptr<dom::Document> PageSession::document() const {
    return m_app.activeDocument();
}

std::shared_ptr<dom::Element> PageSession::element(const std::string& idOrName) const {
    auto found = document()->all().item(idOrName);
    EXPECT_TRUE(found) << "no element " << idOrName;
    return found;
}

std::string PageSession::attribute(const std::string& idOrName, const std::string& name) const {
    auto found = element(idOrName);
    return found ? found->getAttribute(name).value_or("(none)") : "(no element)";
}

void PageSession::placeCursor(const std::string& idOrName) {
    auto target = element(idOrName);
    if (target)
        document()->setCaretAtEndOf(target);
}

std::vector<std::string> PageSession::run(ui::Form& dialog,
                                          std::vector<ui::Driver::Action> actions) {
    ui::Driver& driver = ui::Driver::instance();
    driver.clearTranscript();
    auto pending = std::make_shared<std::deque<ui::Driver::Action>>(actions.begin(), actions.end());
    driver.setActionSource([pending]() -> std::optional<ui::Driver::Action> {
        if (pending->empty())
            return std::nullopt;
        auto next = pending->front();
        pending->pop_front();
        return next;
    });
    dialog.show(ui::ShowMode::Modal);
    driver.setActionSource({});
    EXPECT_TRUE(pending->empty()) << pending->size() << " actions were never delivered";
    return driver.transcript();
}

std::string PageSession::save() {
    m_app.savePage();
    return ScratchFolder::readFile(m_pagePath);
}

void PageSession::reopen() {
    m_app.closePage();
    m_app.openPage(m_pagePath);
}

namespace act {

ui::Driver::Action click(const std::string& control) {
    return [control] { ui::Driver::instance().click(control); };
}

ui::Driver::Action select(const std::string& control, const std::string& rowText) {
    return [control, rowText] { ui::Driver::instance().selectRow(control, -1, rowText); };
}

ui::Driver::Action set(const std::string& control, const std::string& text) {
    return [control, text] { ui::Driver::instance().setText(control, -1, text); };
}

ui::Driver::Action type(const std::string& control, const std::string& text) {
    return [control, text] { ui::Driver::instance().type(control, -1, text); };
}

ui::Driver::Action key(const std::string& control, int keyCode) {
    return [control, keyCode] { ui::Driver::instance().pressKey(control, -1, keyCode); };
}

ui::Driver::Action inspect(std::function<void()> look) {
    return look;
}

} // namespace act

std::string shown(const std::string& name) {
    ui::Control& control = ui::Driver::instance().control(name);
    if (auto* label = dynamic_cast<ui::Label*>(&control))
        return label->caption();
    if (auto* box = dynamic_cast<ui::TextBox*>(&control))
        return box->text();
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&control))
        return combo->text();
    if (auto* list = dynamic_cast<ui::ListBox*>(&control))
        return list->text();
    ADD_FAILURE() << name << " shows no text";
    return {};
}

void expectShown(const Shown& controlsAndTexts) {
    for (const auto& [control, text] : controlsAndTexts)
        EXPECT_EQ(shown(control), text) << control;
}

std::vector<std::string> rows(const std::string& name) {
    std::vector<std::string> out;
    auto* list = dynamic_cast<ui::ListBox*>(&ui::Driver::instance().control(name));
    if (list == nullptr) {
        ADD_FAILURE() << name << " is no list";
        return out;
    }
    for (int i = 0; i < list->listCount(); ++i)
        out.push_back(list->list(i));
    return out;
}

std::vector<std::string> errorLines(const std::vector<std::string>& transcript) {
    std::vector<std::string> errors;
    for (const auto& line : transcript)
        if (line.rfind("error", 0) == 0)
            errors.push_back(line);
    return errors;
}

const std::vector<std::string> RoadFields{"k",     "email", "xonblur", "long",
                                          "keyed", "story", "tracked"};
const std::vector<std::string> RoadAttributes{"onfocus", "onblur", "onkeyup", "data-onfocus",
                                              "title"};

AttributeTable attributesOf(const PageSession& page, const std::vector<std::string>& fields,
                            const std::vector<std::string>& names) {
    AttributeTable table;
    for (const auto& field : fields)
        for (const auto& name : names)
            table[field][name] = page.element(field)->getAttribute(name).value_or("");
    return table;
}
