#include "platform/ui/UserControl.h"

#include "platform/sys/Error.h"
#include "platform/sys/Text.h"
#include "platform/ui/Event.h"
#include "platform/ui/Form.h"
#include "platform/ui/PictureBox.h"

namespace ui {

namespace {
int32_t nextWindowHandle() {
    static int32_t last = 0x10000;
    return last += 4;
}
} // namespace

UserControl::UserControl(Form& form, std::string name, int index)
    : Control(form, std::move(name), index), m_font(form.font()), m_hwnd(nextWindowHandle()) {
    m_surface.setForeColor(m_foreColor);
}

UserControl::~UserControl() = default;

int32_t UserControl::backColor() const {
    return m_backColor;
}

void UserControl::setBackColor(int32_t color) {
    m_backColor = color;
    m_surface.clear(color);
}

int32_t UserControl::foreColor() const {
    return m_foreColor;
}

void UserControl::setForeColor(int32_t color) {
    m_foreColor = color;
    m_surface.setForeColor(color);
}

const Font& UserControl::font() const {
    return m_font;
}
void UserControl::setFont(const Font& font) {
    m_font = font;
}
const Font& UserControl::ambientFont() const {
    return form().font();
}
int32_t UserControl::hwnd() const {
    return m_hwnd;
}

gfx::Surface& UserControl::surface() {
    return m_surface;
}
const gfx::Surface& UserControl::surface() const {
    return m_surface;
}

void UserControl::refresh() {
    raiseEvent(onPaint);
}

gfx::Surface UserControl::render() const {
    gfx::Surface face = m_surface;
    for (const auto& part : m_constituents)
        if (auto* picture = dynamic_cast<const PictureBox*>(part.get());
            picture && picture->isShown())
            face.draw(picture->surface(), picture->left() / gfx::TwipsPerPixel,
                      picture->top() / gfx::TwipsPerPixel);
    return face;
}

void UserControl::initProperties() {
    raiseEvent(onInitProperties);
}
void UserControl::readProperties(const PropertyBag& bag) {
    raiseEvent(onReadProperties, bag);
}
void UserControl::writeProperties(PropertyBag& bag) {
    raiseEvent(onWriteProperties, bag);
}

void UserControl::propertyChanged(const std::string& propertyName) {
    m_changed.push_back(propertyName);
}

const std::vector<std::string>& UserControl::changedProperties() const {
    return m_changed;
}
void UserControl::clearChangedProperties() {
    m_changed.clear();
}

void UserControl::adoptConstituent(std::unique_ptr<Control> control) {
    if (part(control->name(), control->index()))
        sys::raise(sys::ErrInvalidCall,
                   "A control named " + control->displayName() + " exists already in " + name());
    control->setContainer(this);
    m_constituents.push_back(std::move(control));
}

std::vector<Control*> UserControl::constituents() const {
    std::vector<Control*> result;
    for (const auto& part : m_constituents)
        result.push_back(part.get());
    return result;
}

Control* UserControl::constituentAt(int x, int y) const {
    for (auto it = m_constituents.rbegin(); it != m_constituents.rend(); ++it) {
        const Control& part = **it;
        if (!part.isShown() || part.container() != this)
            continue;
        const int left = part.left() / gfx::TwipsPerPixel;
        const int top = part.top() / gfx::TwipsPerPixel;
        if (x >= left && y >= top && x < left + part.width() / gfx::TwipsPerPixel &&
            y < top + part.height() / gfx::TwipsPerPixel)
            return it->get();
    }
    return nullptr;
}

void UserControl::userClick() {
    runUserEvent("Click", [this] { raiseEvent(onClick); });
}

void UserControl::userDblClick(int /*row*/) {
    runUserEvent("DblClick", [this] { raiseEvent(onDblClick); });
}

void UserControl::userType(const std::string& text) {
    typeCharacters(text, [this](const std::string& character) {
        int key = sys::text::ansiCode(character);
        runUserEvent("KeyPress", [&] { raiseEvent(onKeyPress, key); });
    });
}

void UserControl::userPressKey(int keyCode) {
    int key = keyCode;
    runUserEvent("KeyDown", [&] { raiseEvent(onKeyDown, key, 0); });
    const int character = key == 0 ? 0 : characterOfKey(key);
    if (character != 0 && form().isLoaded()) {
        int typed = character;
        runUserEvent("KeyPress", [&] { raiseEvent(onKeyPress, typed); });
    }
    if (form().isLoaded()) {
        int up = keyCode;
        runUserEvent("KeyUp", [&] { raiseEvent(onKeyUp, up, 0); });
    }
}

Control* UserControl::mouseTarget(int& x, int& y) {
    if (Control* under = constituentAt(x, y)) {
        int partX = x - under->left() / gfx::TwipsPerPixel;
        int partY = y - under->top() / gfx::TwipsPerPixel;
        if (Control* target = under->mouseTarget(partX, partY)) {
            x = partX;
            y = partY;
            return target;
        }
    }
    return this;
}

void UserControl::userMouse(MouseStep step, int button, int x, int y) {
    raiseMouse(step, button, x, y);
}

gfx::Surface UserControl::snapshot() const {
    return render();
}

void UserControl::enterFocus() {
    raiseEvent(onEnterFocus);
}
void UserControl::exitFocus() {
    raiseEvent(onExitFocus);
}

void UserControl::resized() {
    m_surface.resize(width() / gfx::TwipsPerPixel, height() / gfx::TwipsPerPixel, m_backColor);
    raiseEvent(onResize);
}

std::string UserControl::describeValue() const {
    return {};
}

} // namespace ui
