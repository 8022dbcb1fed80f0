#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/Font.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

enum class ShowMode { Modeless = 0, Modal = 1 };

// A dialog. A subclass makes its design-time controls in createControls() and wires their
// handlers there; unload destroys the controls, so the next load makes them fresh from their
// design values and runs Form_Load again, while the subclass's own members keep their values.
class Form {
public:
    explicit Form(std::string name); // the class name the user never sees ("frmManFields")
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const;
    std::string caption() const;
    void setCaption(const std::string& caption);
    int width() const; // client area, twips
    int height() const;
    void setClientSize(int width, int height);
    int32_t backColor() const;
    void setBackColor(int32_t color);
    // The font that user controls placed on the form take when they are new.
    const Font& font() const;
    void setFont(const Font& font);

    bool isLoaded() const;
    bool isVisible() const;
    // Loads when not loaded: createControls(), then Form_Load(). A load handler may unload the
    // form again (a refusal); show() then shows nothing and returns at once.
    void load();
    // Loads when needed and shows; a form coming on the screen paints its picture boxes and user
    // controls (their Paint, a face before its parts), and a handler error there is reported as
    // any event's is. Modal: returns only when the form is hidden or unloaded;
    // meanwhile it runs the interface's loop, delivering the user's actions. A form made
    // visible during its own load is then held modally all the same. Showing a form modally
    // while its modal show is still running raises error 400.
    void show(ShowMode mode = ShowMode::Modal);
    void hide();
    void unload();

    // Controls by name (without regard to case, as the toolkit's names are) and index in a
    // control array; nullptr when there is none.
    Control* control(const std::string& name, int index = -1) const;
    std::vector<Control*> controls() const;
    // The control that has the focus, nullptr when none has.
    Control* focusedControl() const;

protected:
    virtual void createControls() = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Makes a control owned by this form until it unloads.
    template <typename T> T* add(const std::string& name, int index = -1) {
        auto control = std::make_unique<T>(*this, name, index);
        T* made = control.get();
        adopt(std::move(control));
        return made;
    }

private:
    friend class Control;
    void adopt(std::unique_ptr<Control> control);
    // Moves the focus: the old control loses it (and the user control it was in is left),
    // then the new one gets it (and the user control it is in is entered).
    void moveFocus(Control* to);
    // Focus leaves the form's controls as the form goes away.
    void dropFocus();
    // Raises Paint for the picture boxes and user controls that the user can see.
    void paintControls();
    // Runs one of the form's own handlers as its event.
    void runFormEvent(const char* event, void (Form::*handler)());

    std::string m_name;
    std::string m_caption;
    int m_width = 0;
    int m_height = 0;
    int32_t m_backColor = int32_t(0x8000000F);
    Font m_font;
    bool m_loaded = false;
    bool m_visible = false;
    bool m_inModalShow = false;
    bool m_unloading = false;
    std::vector<std::unique_ptr<Control>> m_controls;
    Control* m_focused = nullptr;
};

} // namespace ui
