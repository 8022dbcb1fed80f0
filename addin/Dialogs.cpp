#include "addin/Dialogs.h"

#include "addin/AboutTools1.h"
#include "colorpicker/ColorSel.h"
#include "fieldmanager/frmManFields.h"
#include "formtools/frmAddFavForm.h"
#include "formtools/frmComps.h"
#include "formtools/frmDel.h"
#include "formtools/frmInsertForm.h"
#include "formtools/frmRadioGroup.h"
#include "platform/ui/Form.h"

#include <array>
#include <memory>

namespace zirirur {

namespace {

constexpr size_t DialogCount = static_cast<size_t>(ToolDialog::frmAddFavForm) + 1;

std::array<std::unique_ptr<ui::Form>, DialogCount>& instances() {
    static std::array<std::unique_ptr<ui::Form>, DialogCount> forms;
    return forms;
}

// Makes a new instance of the dialog; nullptr while the dialog is not part of the build.
std::unique_ptr<ui::Form> create(ToolDialog dialog) {
    switch (dialog) {
    case ToolDialog::AboutTools1:
        return std::make_unique<AboutTools1>();
    case ToolDialog::frmManFields:
        return std::make_unique<frmManFields>();
    case ToolDialog::frmDel:
        return std::make_unique<frmDel>();
    case ToolDialog::frmInsertForm:
        return std::make_unique<frmInsertForm>();
    case ToolDialog::frmAddFavForm:
        return std::make_unique<frmAddFavForm>();
    case ToolDialog::frmRadioGroup:
        return std::make_unique<frmRadioGroup>();
    case ToolDialog::frmComps:
        return std::make_unique<frmComps>();
    }
    return nullptr;
}

} // namespace

ui::Form* Dialogs::instance(ToolDialog dialog) {
    auto& form = instances()[static_cast<size_t>(dialog)];
    if (!form)
        form = create(dialog);
    return form.get();
}

bool Dialogs::exists(ToolDialog dialog) {
    return instances()[static_cast<size_t>(dialog)] != nullptr;
}

void Dialogs::releaseAll() {
    for (auto& form : instances())
        form.reset();
    ColorSel::releaseInstance();
}

} // namespace zirirur
