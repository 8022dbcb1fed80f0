#include "platform/ui/Driver.h"

#include "platform/sys/Clock.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"
#include "platform/ui/Control.h"
#include "platform/ui/Describe.h"
#include "platform/ui/Form.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace ui {

namespace {

uint32_t now() {
    return sys::Clock::tickCount();
}

// Signed distance from a to b on the wrapping tick count.
int32_t ticksUntil(uint32_t a, uint32_t b) {
    return int32_t(b - a);
}

// Where a control's client area starts, in pixels of its form's client area.
gfx::POINT originOnForm(const Control& control) {
    gfx::POINT origin;
    for (const Control* c = &control; c; c = c->container()) {
        origin.x += c->left() / gfx::TwipsPerPixel;
        origin.y += c->top() / gfx::TwipsPerPixel;
    }
    return origin;
}

[[noreturn]] void refuse(const std::string& description) {
    sys::raise(sys::ErrInvalidCall, description);
}

} // namespace

class Driver::LoopScope {
public:
    LoopScope(Driver& driver, LoopKind kind) : m_driver(driver) {
        m_driver.m_loops.push_back(kind);
    }
    ~LoopScope() { m_driver.m_loops.pop_back(); }
    LoopScope(const LoopScope&) = delete;
    LoopScope& operator=(const LoopScope&) = delete;

private:
    Driver& m_driver;
};

Driver& Driver::instance() {
    // Never destroyed: forms that are static objects themselves may go after it at exit.
    static Driver* const driver = new Driver;
    return *driver;
}

// --- Sources and queues ----------------------------------------------------------------------

void Driver::setActionSource(std::function<std::optional<Action>()> source) {
    m_source = std::move(source);
}

void Driver::post(Action action) {
    m_posted.push_back(std::move(action));
}

void Driver::queueMsgBoxAnswer(int answer) {
    m_msgBoxAnswers.push_back(answer);
}
void Driver::queueInput(std::optional<std::string> text) {
    m_inputs.push_back(std::move(text));
}

void Driver::queueFileChoice(const std::string& fileName) {
    m_dialogAnswers.push_back({DialogAnswer::Kind::File, fileName, 0});
}

void Driver::queueColour(int32_t color) {
    m_dialogAnswers.push_back({DialogAnswer::Kind::Colour, {}, color});
}

void Driver::queueDialogCancel() {
    m_dialogAnswers.push_back({DialogAnswer::Kind::Cancel, {}, 0});
}

void Driver::clearQueues() {
    m_msgBoxAnswers.clear();
    m_inputs.clear();
    m_dialogAnswers.clear();
}

std::optional<int> Driver::takeMsgBoxAnswer() {
    if (m_msgBoxAnswers.empty())
        return std::nullopt;
    const int answer = m_msgBoxAnswers.front();
    m_msgBoxAnswers.pop_front();
    return answer;
}

std::optional<std::optional<std::string>> Driver::takeInput() {
    if (m_inputs.empty())
        return std::nullopt;
    auto answer = std::move(m_inputs.front());
    m_inputs.pop_front();
    return answer;
}

std::optional<Driver::DialogAnswer> Driver::takeDialogAnswer() {
    if (m_dialogAnswers.empty())
        return std::nullopt;
    auto answer = std::move(m_dialogAnswers.front());
    m_dialogAnswers.pop_front();
    return answer;
}

void Driver::reset() {
    m_source = nullptr;
    m_posted.clear();
    clearQueues();
    m_out = nullptr;
    m_lines.clear();
    m_waitUntil.reset();
    releaseCapture();
}

// --- The transcript ------------------------------------------------------------------------

void Driver::setTranscript(std::ostream* out) {
    m_out = out;
}

void Driver::report(const std::string& line) {
    m_lines.push_back(line);
    if (m_out)
        *m_out << line << '\n' << std::flush;
}

const std::vector<std::string>& Driver::transcript() const {
    return m_lines;
}
void Driver::clearTranscript() {
    m_lines.clear();
}

std::string Driver::escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

// --- Forms and their controls ----------------------------------------------------------------

void Driver::formShown(Form& form) {
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), &form), m_forms.end());
    m_forms.push_back(&form);
    report("form shown: " + escape(form.caption()));
}

void Driver::releaseCapture() {
    m_capture = nullptr;
    m_captureForm = nullptr;
}

void Driver::formClosed(Form& form) {
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), &form), m_forms.end());
    if (m_captureForm == &form)
        releaseCapture();
    report("form closed: " + escape(form.caption()));
}

void Driver::formDestroyed(Form& form) {
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), &form), m_forms.end());
    if (m_captureForm == &form)
        releaseCapture();
}

Driver::Busy::Busy() {
    ++instance().m_busy;
}

Driver::Busy::~Busy() {
    Driver& driver = instance();
    if (--driver.m_busy == 0 && !driver.m_graveyard.empty()) {
        auto dead = std::move(driver.m_graveyard);
        driver.m_graveyard.clear();
    }
}

void Driver::bury(std::vector<std::unique_ptr<Control>> controls) {
    if (m_busy == 0)
        return; // nothing runs that could use them: they go now
    for (auto& control : controls)
        m_graveyard.push_back(std::move(control));
}

Form* Driver::topmostForm() const {
    for (auto it = m_forms.rbegin(); it != m_forms.rend(); ++it)
        if ((*it)->isVisible() && (*it)->isLoaded())
            return *it;
    return nullptr;
}

Control& Driver::control(const std::string& name, int index) const {
    Form* form = topmostForm();
    if (!form)
        refuse("No form is shown, so there is no control " + name);
    if (Control* found = form->control(name, index))
        return *found;
    const std::string shownName = index < 0 ? name : name + "(" + std::to_string(index) + ")";
    const auto dot = name.find('.');
    if (dot != std::string::npos) {
        if (Control* owner = form->control(name.substr(0, dot)))
            if (Control* part = owner->part(name.substr(dot + 1), index))
                return *part;
    } else {
        for (Control* candidate : form->controls())
            if (Control* part = candidate->part(name, index))
                return *part;
    }
    refuse("There is no control " + shownName + " on the form \"" + escape(form->caption()) + "\"");
}

bool Driver::isOnTopmostForm(const Control* control) const {
    Form* form = topmostForm();
    if (!form || !control)
        return false;
    for (Control* candidate : form->controls()) {
        if (candidate == control)
            return true;
        for (Control* part : candidate->parts())
            if (part == control)
                return true;
    }
    return false;
}

Control& Driver::usableControl(const std::string& name, int index) const {
    Control& found = control(name, index);
    if (!found.isShown())
        refuse("The control " + found.displayName() + " is hidden");
    if (!found.isUsable())
        refuse("The control " + found.displayName() + " is disabled");
    return found;
}

// --- Running handlers and loops --------------------------------------------------------------

void Driver::runUserAction(const std::string& handlerName, const std::function<void()>& action) {
    Busy busy;
    const std::string where = handlerName.empty() ? std::string() : " (in " + handlerName + ")";
    try {
        action();
    } catch (const sys::Error& error) {
        report("error " + std::to_string(error.number()) + ": " + escape(error.description()) +
               where);
    } catch (const std::exception& error) {
        report("error 51: " + escape(error.what()) + where);
    } catch (...) {
        report("error 51: Internal error" + where);
    }
}

std::optional<Driver::Action> Driver::nextAction() {
    if (!m_source)
        return std::nullopt;
    // A source that fails has no more to give: the waiting forms close as at the script's end.
    try {
        return m_source();
    } catch (const sys::Error& error) {
        report("error " + std::to_string(error.number()) + ": " + escape(error.description()));
    } catch (const std::exception& error) {
        report("error 51: " + escape(error.what()));
    }
    m_source = nullptr;
    return std::nullopt;
}

bool Driver::deliverPosted() {
    if (m_posted.empty())
        return false;
    // Actions posted while these run wait for the next round.
    std::deque<Action> batch;
    batch.swap(m_posted);
    for (const Action& action : batch)
        runUserAction({}, action);
    return true;
}

void Driver::doEvents() {
    deliverPosted();
}

void Driver::advanceTo(uint32_t tick) {
    const int32_t distance = ticksUntil(now(), tick);
    if (distance <= 0)
        return;
    if (sys::Clock::mode() == sys::Clock::Mode::Virtual)
        sys::Clock::advance(uint32_t(distance));
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(distance));
}

void Driver::finishPendingWait() {
    const uint32_t until = *m_waitUntil;
    m_waitUntil.reset();
    const bool isVirtual = sys::Clock::mode() == sys::Clock::Mode::Virtual;
    while (ticksUntil(now(), until) > 0) {
        // Virtual time moves a millisecond at a time while something is posted, so that it runs
        // when due; with nothing pending nothing can happen, and the wait ends at once (a wait
        // of days in a script takes no longer than one of a second).
        const uint32_t left = uint32_t(ticksUntil(now(), until));
        const uint32_t step = isVirtual ? (m_posted.empty() ? left : 1) : std::min(10u, left);
        advanceTo(now() + step);
        doEvents();
    }
}

void Driver::runModalLoop(Form& form) {
    LoopScope scope(*this, LoopKind::Modal);
    while (form.isLoaded() && form.isVisible()) {
        if (deliverPosted())
            continue;
        if (m_waitUntil) {
            finishPendingWait();
            continue;
        }
        auto action = nextAction();
        if (!action) {
            closeForm(form);
            break;
        }
        runUserAction({}, *action);
    }
}

void Driver::waitForEvents(uint32_t dueTick) {
    {
        LoopScope scope(*this, LoopKind::Idle);
        if (deliverPosted())
            return;
    }
    // Time passes at least a little on every idle pass, so a loop that is always due still
    // moves on.
    const uint32_t soonest = ticksUntil(now(), dueTick) > 0 ? dueTick : now() + 1;
    if (m_waitUntil) {
        const uint32_t until = *m_waitUntil;
        advanceTo(ticksUntil(until, soonest) < 0 ? soonest : until);
        if (ticksUntil(now(), until) <= 0)
            m_waitUntil.reset();
        return;
    }
    if (auto action = nextAction()) {
        LoopScope scope(*this, LoopKind::Idle);
        runUserAction({}, *action);
        return;
    }
    if (Form* form = topmostForm()) {
        closeForm(*form);
        return;
    }
    advanceTo(soonest);
}

void Driver::closeForm(Form& form) {
    runUserAction(form.name() + "_Form_Unload", [&form] { form.unload(); });
}

// --- Acting as the user ----------------------------------------------------------------------

void Driver::click(const std::string& name, int index) {
    Busy busy;
    usableControl(name, index).userClick();
}

void Driver::dblClick(const std::string& name, int index, int row) {
    Busy busy;
    usableControl(name, index).userDblClick(row);
}

void Driver::setText(const std::string& name, int index, const std::string& text) {
    Busy busy;
    usableControl(name, index).userSetText(text);
}

void Driver::type(const std::string& name, int index, const std::string& text) {
    Busy busy;
    usableControl(name, index).userType(text);
}

void Driver::pressKey(const std::string& name, int index, int keyCode) {
    Busy busy;
    usableControl(name, index).userPressKey(keyCode);
}

void Driver::selectRow(const std::string& name, int index, int row) {
    Busy busy;
    usableControl(name, index).userSelectRow(row);
}

void Driver::selectRow(const std::string& name, int index, const std::string& rowText) {
    Busy busy;
    usableControl(name, index).userSelectRow(rowText);
}

void Driver::check(const std::string& name, int index, bool checked) {
    Busy busy;
    usableControl(name, index).userCheck(checked);
}

void Driver::focus(const std::string& name, int index) {
    Busy busy;
    Control& target = usableControl(name, index);
    runUserAction(target.handlerName("GotFocus"), [&target] { target.setFocus(); });
}

void Driver::mouse(const std::string& what, const std::string& name, int index, int x, int y,
                   int button) {
    Busy busy;
    Control& found = usableControl(name, index);
    Control* target = found.mouseTarget(x, y);
    if (!target)
        refuse("The control " + found.displayName() + " takes no mouse actions");
    std::vector<MouseStep> steps;
    if (what == "move")
        steps = {MouseStep::Move};
    else if (what == "down")
        steps = {MouseStep::Down};
    else if (what == "up")
        steps = {MouseStep::Up};
    else if (what == "click")
        steps = {MouseStep::Down, MouseStep::Up, MouseStep::Click};
    else if (what == "dblclick")
        steps = {MouseStep::Down, MouseStep::Up, MouseStep::Click, MouseStep::DblClick,
                 MouseStep::Up};
    else
        refuse("Unknown mouse action \"" + what + "\" (move, down, up, click, dblclick)");
    if (m_capture &&
        (!isOnTopmostForm(m_capture) || !m_capture->isShown() || !m_capture->isUsable()))
        releaseCapture();
    if (m_capture && m_capture != target && (what == "move" || what == "up")) {
        // The pressed control keeps the mouse: the point is taken over into its coordinates.
        const gfx::POINT from = originOnForm(*target);
        const gfx::POINT to = originOnForm(*m_capture);
        x += from.x - to.x;
        y += from.y - to.y;
        target = m_capture;
    }
    if (what == "down" && button != NoButton) {
        m_capture = target;
        m_captureForm = &target->form();
    } else if (what == "up" || what == "click" || what == "dblclick") {
        releaseCapture();
    }
    // Each step is an event of its own; a step that closed the dialog ends the gesture.
    for (const MouseStep step : steps)
        if (target->form().isLoaded())
            runUserAction(target->handlerName(mouseEventName(step)),
                          [&] { target->userMouse(step, button, x, y); });
}

void Driver::wait(int milliseconds) {
    if (milliseconds <= 0)
        return;
    const uint32_t until = now() + uint32_t(milliseconds);
    // Inside an idle wait (a polling loop's), that loop lets the time run, so it sees every
    // tick that falls due; elsewhere the time runs here.
    if (!m_loops.empty() && m_loops.back() == LoopKind::Idle) {
        if (!m_waitUntil || ticksUntil(*m_waitUntil, until) > 0)
            m_waitUntil = until;
        return;
    }
    m_waitUntil = until;
    finishPendingWait();
}

void Driver::closeTopmost() {
    Form* form = topmostForm();
    if (!form)
        refuse("No form is shown");
    closeForm(*form);
}

std::string Driver::describeTopmost() const {
    Form* form = topmostForm();
    if (!form)
        return "no form shown\n";
    std::string out = "form " + form->name() + ": " + describe::quote(form->caption()) + "\n";
    for (Control* control : form->controls()) {
        if (!control->isShown())
            continue;
        out += "  " + control->describe() + "\n";
        for (Control* part : control->parts())
            if (part->isShown())
                out += "    " + part->describe() + "\n";
    }
    return out;
}

void Driver::snapshot(const std::string& name, int index, const std::string& pngPath) const {
    control(name, index).snapshot().savePng(pngPath);
}

} // namespace ui
