#pragma once

#include "platform/gfx/Surface.h"
#include "platform/ui/Control.h"
#include "platform/ui/Font.h"
#include "platform/ui/Mouse.h"
#include "platform/ui/PropertyBag.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// The surface on which a program builds a control of its own: its face (a pixel surface),
// colours, font, window handle, the container's property bag and its notion of changed
// properties, focus entry and exit, and constituent controls laid on the face.
// Focus order: the control that had the focus loses it (LostFocus), the user control it was
// in is left (ExitFocus); then the new control gets it (GotFocus) and the user control it is
// in is entered (EnterFocus) last, so a handler of EnterFocus may keep running (a polling
// loop) until the focus leaves again.
class UserControl : public Control, public MouseEvents {
public:
    UserControl(Form& form, std::string name, int index);
    ~UserControl() override;

    int32_t backColor() const override;
    // Sets the colour and clears the face to it; painting again is the control's own work.
    void setBackColor(int32_t color) override;
    int32_t foreColor() const;
    virtual void setForeColor(int32_t color); // also the pen of the face
    const Font& font() const;
    virtual void setFont(const Font& font);
    // The container's font, which a new instance takes.
    const Font& ambientFont() const;
    // A handle that stands for the control's window; unique in the process, never 0.
    int32_t hwnd() const;

    gfx::Surface& surface();
    const gfx::Surface& surface() const;
    // Runs onPaint.
    void refresh();
    // The face with the constituent picture boxes drawn on it where they lie, as the user sees it.
    gfx::Surface render() const;

    // --- The container's side: the stored properties ---------------------------------------
    // A new instance placed on a container.
    void initProperties();
    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag);
    // The control tells its container that a property changed.
    void propertyChanged(const std::string& propertyName);
    const std::vector<std::string>& changedProperties() const;
    void clearChangedProperties();

    // --- Constituent controls ----------------------------------------------------------------
    template <typename T> T* add(const std::string& name, int index = -1) {
        auto control = std::make_unique<T>(form(), name, index);
        T* made = control.get();
        adoptConstituent(std::move(control));
        return made;
    }
    std::vector<Control*> constituents() const;
    std::vector<Control*> parts() const override { return constituents(); }
    // The visible constituent under a point of the face (pixels), the last laid one first.
    Control* constituentAt(int x, int y) const;

    // --- What the user does ------------------------------------------------------------------
    // By default the face raises the events below to the control's code; a control that
    // answers the user itself overrides these.
    void userClick() override;
    void userDblClick(int row) override;
    void userType(const std::string& text) override;
    void userPressKey(int keyCode) override;
    // The constituent under the point when it takes the mouse, else the face.
    Control* mouseTarget(int& x, int& y) override;
    void userMouse(MouseStep step, int button, int x, int y) override;
    // The face as rendered, its picture boxes on it.
    gfx::Surface snapshot() const override;

    // --- Events ------------------------------------------------------------------------------
    std::function<void()> onInitProperties;
    std::function<void(const PropertyBag& bag)> onReadProperties;
    std::function<void(PropertyBag& bag)> onWriteProperties;
    std::function<void()> onPaint;
    std::function<void()> onResize;
    std::function<void()> onEnterFocus;
    std::function<void()> onExitFocus;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int& keyAscii)> onKeyPress;
    // Click, DblClick and the mouse events (MouseEvents) in pixels of the face.

protected:
    std::string kind() const override { return "usercontrol"; }
    std::string describeValue() const override;
    void resized() override;

    // Focus enters the control or one of its parts, or leaves them (see above).
    virtual void enterFocus();
    virtual void exitFocus();

private:
    friend class Form;
    void adoptConstituent(std::unique_ptr<Control> control);

    int32_t m_backColor = int32_t(0x8000000F);
    int32_t m_foreColor = int32_t(0x80000012);
    Font m_font;
    int32_t m_hwnd = 0;
    gfx::Surface m_surface;
    std::vector<std::string> m_changed;
    std::vector<std::unique_ptr<Control>> m_constituents;
};

} // namespace ui
