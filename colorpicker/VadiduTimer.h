#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace zirirur {

// Raises OnTimer every Interval milliseconds, on the interface's thread, while it is enabled.
// It has no window and no system timer: writing Enabled True runs the tick loop, which returns
// only when something (a handler, or an event handled meanwhile) sets Enabled False. Between
// passes the loop waits for the next event or for the next tick to fall due, so the interface
// goes on working and a resting timer costs no processor time.
class VadiduTimer {
public:
    VadiduTimer() = default;
    // Sets Enabled False.
    ~VadiduTimer();
    VadiduTimer(const VadiduTimer&) = delete;
    VadiduTimer& operator=(const VadiduTimer&) = delete;

    bool Enabled() const;
    // Stores the value and starts the tick loop afresh: with True the write returns only when
    // the loop has ended; with False it returns at once (and ends a running loop).
    void setEnabled(bool value);
    // A value below 1 stores 0 and disables the timer without running the loop. Otherwise the
    // loop starts afresh with the new interval if the timer is enabled (as writing Enabled
    // True does), and the write returns at once if it is not.
    void setInterval(std::int32_t value);
    std::int32_t Interval() const;
    // An empty text leaves the name as it was.
    void setName(const std::string& value);
    const std::string& Name() const;

    std::function<void()> OnTimer;

private:
    void RunTimer();

    bool m_Enabled = false;
    std::int32_t m_Interval = 400;
    std::uint32_t m_LastTick = 0; // 0: none taken yet
    std::string m_Name = "HoverTimer";
};

} // namespace zirirur
