#include "platform/ui/Form.h"

#include "platform/sys/Error.h"
#include "platform/sys/Text.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Event.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/UserControl.h"

#include <exception>

namespace ui {

Form::Form(std::string name) : m_name(std::move(name)), m_caption(m_name) {}

Form::~Form() {
    Driver::instance().formDestroyed(*this);
    m_focused = nullptr;
    m_controls.clear();
}

const std::string& Form::name() const {
    return m_name;
}
std::string Form::caption() const {
    return m_caption;
}
void Form::setCaption(const std::string& caption) {
    m_caption = caption;
}
int Form::width() const {
    return m_width;
}
int Form::height() const {
    return m_height;
}

void Form::setClientSize(int width, int height) {
    m_width = width;
    m_height = height;
}

int32_t Form::backColor() const {
    return m_backColor;
}
void Form::setBackColor(int32_t color) {
    m_backColor = color;
}
const Font& Form::font() const {
    return m_font;
}
void Form::setFont(const Font& font) {
    m_font = font;
}

bool Form::isLoaded() const {
    return m_loaded;
}
bool Form::isVisible() const {
    return m_visible;
}

void Form::runFormEvent(const char* /*event*/, void (Form::*handler)()) {
    Driver::Busy busy;
    (this->*handler)();
}

void Form::load() {
    if (m_loaded)
        return;
    m_loaded = true;
    try {
        Driver::Busy busy;
        createControls();
    } catch (...) {
        // A design that cannot be made leaves no half-made form behind.
        m_loaded = false;
        Driver::instance().bury(std::move(m_controls));
        m_controls.clear();
        throw;
    }
    runFormEvent("Form_Load", &Form::Form_Load);
}

void Form::show(ShowMode mode) {
    if (mode == ShowMode::Modal && m_inModalShow)
        sys::raise(400, "Form already displayed; can't show modally");
    load();
    if (!m_loaded)
        return;
    if (!m_visible) {
        m_visible = true;
        Driver::instance().formShown(*this);
        paintControls();
    }
    if (mode == ShowMode::Modeless)
        return;
    m_inModalShow = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_inModalShow};
    Driver::instance().runModalLoop(*this);
}

void Form::paintControls() {
    // What draws itself is drawn as the form comes on the screen: a face before its parts.
    std::vector<Control*> toPaint;
    for (Control* control : controls()) {
        if (auto* userControl = dynamic_cast<UserControl*>(control)) {
            toPaint.push_back(userControl);
            for (Control* part : userControl->constituents())
                if (dynamic_cast<PictureBox*>(part))
                    toPaint.push_back(part);
        } else if (dynamic_cast<PictureBox*>(control)) {
            toPaint.push_back(control);
        }
    }
    Driver& driver = Driver::instance();
    Driver::Busy busy;
    for (Control* control : toPaint) {
        if (!m_loaded || !m_visible)
            return;
        if (!control->isShown())
            continue;
        driver.runUserAction(control->handlerName("Paint"), [control] {
            if (auto* userControl = dynamic_cast<UserControl*>(control))
                userControl->refresh();
            else
                static_cast<PictureBox*>(control)->refresh();
        });
    }
}

void Form::hide() {
    if (!m_visible)
        return;
    dropFocus();
    m_visible = false;
    Driver::instance().formClosed(*this);
}

void Form::unload() {
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_unloading};
    // The form goes whatever its unload handler does; the handler's error still reaches the
    // caller afterwards.
    std::exception_ptr error;
    try {
        runFormEvent("Form_Unload", &Form::Form_Unload);
    } catch (...) {
        error = std::current_exception();
    }
    if (m_loaded) {
        try {
            hide();
            dropFocus();
        } catch (...) {
            if (!error)
                error = std::current_exception();
        }
        m_visible = false;
        m_loaded = false;
        m_focused = nullptr;
        Driver::instance().bury(std::move(m_controls));
        m_controls.clear();
    }
    if (error)
        std::rethrow_exception(error);
}

Control* Form::control(const std::string& name, int index) const {
    for (const auto& control : m_controls)
        if (control->index() == index &&
            sys::text::equal(control->name(), name, sys::text::Compare::IgnoreCase))
            return control.get();
    return nullptr;
}

std::vector<Control*> Form::controls() const {
    std::vector<Control*> result;
    result.reserve(m_controls.size());
    for (const auto& control : m_controls)
        result.push_back(control.get());
    return result;
}

Control* Form::focusedControl() const {
    return m_focused;
}

void Form::adopt(std::unique_ptr<Control> control) {
    if (this->control(control->name(), control->index()))
        sys::raise(sys::ErrInvalidCall,
                   "A control named " + control->displayName() + " exists already on " + m_name);
    m_controls.push_back(std::move(control));
}

void Form::moveFocus(Control* to) {
    Control* from = m_focused;
    if (from == to)
        return;
    UserControl* left = from ? from->ownerUserControl() : nullptr;
    UserControl* entered = to ? to->ownerUserControl() : nullptr;
    m_focused = to;
    if (from)
        raiseEvent(from->onLostFocus);
    if (left && left != entered)
        left->exitFocus();
    if (to)
        raiseEvent(to->onGotFocus);
    if (entered && entered != left)
        entered->enterFocus();
}

void Form::dropFocus() {
    if (m_focused)
        moveFocus(nullptr);
}

} // namespace ui
