#pragma once

#include "platform/ui/Control.h"

#include <cstdint>
#include <string>

namespace ui {

enum class CancelError { No, Yes };

// Flags of the colour dialog: open on the colour that Color holds (else on black).
enum ColorDialogFlags : int32_t { cdlCCRGBInit = 1 };

// The system's open, save and colour dialogs, never seen on the form itself. The answer of
// each showing is the driver's next queued one (a file name, a colour, or cancel); with none
// queued the user cancels. With CancelError set, cancel raises error 32755.
class CommonDialog : public Control {
public:
    CommonDialog(Form& form, std::string name, int index);

    bool cancelError() const;
    void setCancelError(CancelError cancelError);
    const std::string& filter() const;
    void setFilter(const std::string& filter);
    const std::string& defaultExt() const;
    void setDefaultExt(const std::string& extension);
    // After OK the chosen file, with its folder (a bare name chosen lies in InitDir).
    const std::string& fileName() const;
    void setFileName(const std::string& fileName);
    const std::string& initDir() const;
    void setInitDir(const std::string& folder);
    const std::string& dialogTitle() const;
    void setDialogTitle(const std::string& title);
    int32_t flags() const;
    void setFlags(int32_t flags);
    int32_t color() const;
    void setColor(int32_t color);

    void showOpen();
    void showSave();
    void showColor();

protected:
    std::string kind() const override { return "commondialog"; }

private:
    void showFileDialog(const char* what);
    void cancelled();

    bool m_cancelError = false;
    std::string m_filter;
    std::string m_defaultExt;
    std::string m_fileName;
    std::string m_initDir;
    std::string m_dialogTitle;
    int32_t m_flags = 0;
    int32_t m_color = 0;
};

} // namespace ui
