#pragma once

#include <cstdint>

namespace sys {

// The one clock of the process: the millisecond tick count that the hover timer polls.
// Real mode reads a monotonic clock. Virtual mode (the host's scripted runs, the tests) stands
// still until advance() moves it, so timing is exact and repeatable.
class Clock {
public:
    enum class Mode { Real, Virtual };

    // Milliseconds, wrapping around at 2^32 like the system's tick count.
    static std::uint32_t tickCount();

    static Mode mode();
    // Switches to virtual time, which then reads start until advanced.
    static void useVirtualTime(std::uint32_t start = kVirtualStart);
    static void useRealTime();
    // Moves virtual time on (wrapping); in real mode time moves by itself and this raises
    // error 5, as nothing could honour it.
    static void advance(std::uint32_t ms);

    // Not 0: a tick of 0 means "not started yet" to the timer.
    static constexpr std::uint32_t kVirtualStart = 1000;
};

} // namespace sys
