#include "platform/sys/Clock.h"

#include "platform/sys/Error.h"

#include <atomic>
#include <chrono>

namespace sys {

namespace {

std::atomic<Clock::Mode> clockMode{Clock::Mode::Real};
std::atomic<std::uint32_t> virtualTicks{Clock::kVirtualStart};

} // namespace

std::uint32_t Clock::tickCount() {
    if (clockMode.load() == Mode::Virtual)
        return virtualTicks.load();
    auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

Clock::Mode Clock::mode() {
    return clockMode.load();
}

void Clock::useVirtualTime(std::uint32_t start) {
    virtualTicks.store(start);
    clockMode.store(Mode::Virtual);
}

void Clock::useRealTime() {
    clockMode.store(Mode::Real);
}

void Clock::advance(std::uint32_t ms) {
    if (clockMode.load() != Mode::Virtual)
        raise(ErrInvalidCall, "The clock is not in virtual time");
    virtualTicks.fetch_add(ms);
}

} // namespace sys
