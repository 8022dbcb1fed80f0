#pragma once

#include "platform/ui/Control.h"

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

    bool isLoaded() const;
    bool isVisible() const;
    // Loads when not loaded: createControls(), then Form_Load(). A load handler may unload the
    // form again (a refusal); show() then shows nothing and returns at once.
    void load();
    // Modal: loads when needed, shows, and returns only when the form is hidden or unloaded;
    // meanwhile it runs the interface's loop, delivering the user's actions.
    void show(ShowMode mode = ShowMode::Modal);
    void hide();
    void unload();

    // Controls by name (and index in a control array); nullptr when there is none.
    Control* control(const std::string& name, int index = -1) const;
    std::vector<Control*> controls() const;

protected:
    virtual void createControls() = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Makes a control owned by this form until it unloads.
    template <typename T> T* add(const std::string& name, int index = -1);
};

} // namespace ui
