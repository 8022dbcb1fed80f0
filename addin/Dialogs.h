#pragma once

namespace ui {
class Form;
}

namespace zirirur {

// The add-in's dialogs, as the menu commands open them.
enum class ToolDialog {
    AboutTools1,
    frmRadioGroup,
    frmManFields,
    frmComps,
    frmDel,
    frmInsertForm,
    frmAddFavForm,
};

// The single instance of each dialog: created on the first command that needs it and kept while
// the add-in is loaded, so a dialog's own members survive from one show to the next. Every
// dialog of the add-in is created here and nowhere else.
class Dialogs {
public:
    // The dialog's instance, created on first use; nullptr for a dialog this build does not have.
    static ui::Form* instance(ToolDialog dialog);
    // Whether the instance has been created.
    static bool exists(ToolDialog dialog);
    // Destroys every instance; the library is about to be unloaded.
    static void releaseAll();
};

} // namespace zirirur
