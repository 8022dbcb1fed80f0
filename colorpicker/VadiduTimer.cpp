#include "colorpicker/VadiduTimer.h"

#include "platform/sys/Clock.h"
#include "platform/ui/Event.h"
#include "platform/ui/MsgBox.h"

namespace zirirur {

VadiduTimer::~VadiduTimer() {
    m_Enabled = false;
}

bool VadiduTimer::Enabled() const {
    return m_Enabled;
}

void VadiduTimer::setEnabled(bool value) {
    m_Enabled = value;
    m_LastTick = 0;
    RunTimer();
}

void VadiduTimer::setInterval(std::int32_t value) {
    if (value < 1) {
        m_Interval = 0;
        m_LastTick = 0;
        m_Enabled = false;
        return;
    }
    m_LastTick = 0;
    m_Interval = value;
    RunTimer();
}

std::int32_t VadiduTimer::Interval() const {
    return m_Interval;
}

void VadiduTimer::setName(const std::string& value) {
    if (!value.empty())
        m_Name = value;
}

const std::string& VadiduTimer::Name() const {
    return m_Name;
}

void VadiduTimer::RunTimer() {
    if (!m_Enabled)
        return;
    do {
        if (m_LastTick == 0)
            m_LastTick = sys::Clock::tickCount();
        // A signed difference: the count wrapping around 2^32 still gives the time gone by.
        const auto elapsed = static_cast<std::int32_t>(sys::Clock::tickCount() - m_LastTick);
        if (elapsed >= m_Interval) {
            m_LastTick = sys::Clock::tickCount();
            ui::raiseEvent(OnTimer);
        }
        // Instead of polling, the loop sleeps until the next event or the next tick; once a
        // handler has stopped the timer, only what is pending is let through.
        if (m_Enabled)
            ui::waitForEvents(m_LastTick + static_cast<std::uint32_t>(m_Interval));
        else
            ui::doEvents();
    } while (m_Enabled);
}

} // namespace zirirur
