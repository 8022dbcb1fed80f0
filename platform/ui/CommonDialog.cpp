#include "platform/ui/CommonDialog.h"

#include "platform/sys/Error.h"
#include "platform/ui/Describe.h"
#include "platform/ui/Driver.h"

namespace ui {

CommonDialog::CommonDialog(Form& form, std::string name, int index)
    : Control(form, std::move(name), index) {
    // The control has no face of its own on the running form.
    setVisible(false);
}

bool CommonDialog::cancelError() const {
    return m_cancelError;
}
void CommonDialog::setCancelError(CancelError cancelError) {
    m_cancelError = cancelError == CancelError::Yes;
}
const std::string& CommonDialog::filter() const {
    return m_filter;
}
void CommonDialog::setFilter(const std::string& filter) {
    m_filter = filter;
}
const std::string& CommonDialog::defaultExt() const {
    return m_defaultExt;
}
void CommonDialog::setDefaultExt(const std::string& extension) {
    m_defaultExt = extension;
}
const std::string& CommonDialog::fileName() const {
    return m_fileName;
}
void CommonDialog::setFileName(const std::string& fileName) {
    m_fileName = fileName;
}
const std::string& CommonDialog::initDir() const {
    return m_initDir;
}
void CommonDialog::setInitDir(const std::string& folder) {
    m_initDir = folder;
}
const std::string& CommonDialog::dialogTitle() const {
    return m_dialogTitle;
}
void CommonDialog::setDialogTitle(const std::string& title) {
    m_dialogTitle = title;
}
int32_t CommonDialog::flags() const {
    return m_flags;
}
void CommonDialog::setFlags(int32_t flags) {
    m_flags = flags;
}
int32_t CommonDialog::color() const {
    return m_color;
}
void CommonDialog::setColor(int32_t color) {
    m_color = color;
}

void CommonDialog::showOpen() {
    showFileDialog("open");
}
void CommonDialog::showSave() {
    showFileDialog("save");
}

void CommonDialog::showFileDialog(const char* what) {
    Driver& driver = Driver::instance();
    const auto answer = driver.takeDialogAnswer();
    const std::string line = std::string(what) + " [" + Driver::escape(m_dialogTitle) +
                             "]: " + Driver::escape(m_fileName) + " -> ";
    if (!answer || answer->kind != Driver::DialogAnswer::Kind::File) {
        driver.report(line + "(cancelled)");
        cancelled();
        return;
    }
    // A bare name is one typed in the folder that the dialog opened on.
    std::string chosen = answer->fileName;
    if (chosen.find_first_of("\\/") == std::string::npos && !m_initDir.empty()) {
        std::string folder = m_initDir;
        if (folder.back() != '\\' && folder.back() != '/')
            folder += '\\';
        chosen = folder + chosen;
    }
    m_fileName = chosen;
    driver.report(line + Driver::escape(chosen));
}

void CommonDialog::showColor() {
    Driver& driver = Driver::instance();
    const auto answer = driver.takeDialogAnswer();
    const int32_t opensOn = (m_flags & cdlCCRGBInit) ? m_color : 0;
    const std::string line = "color: " + describe::color(opensOn) + " -> ";
    if (!answer || answer->kind != Driver::DialogAnswer::Kind::Colour) {
        driver.report(line + "(cancelled)");
        cancelled();
        return;
    }
    m_color = answer->color;
    driver.report(line + describe::color(m_color));
}

void CommonDialog::cancelled() {
    if (m_cancelError)
        sys::raise(sys::ErrCancelled);
}

} // namespace ui
