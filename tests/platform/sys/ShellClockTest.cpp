#include "platform/sys/Clock.h"
#include "platform/sys/Shell.h"

#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

#include <cstdlib>

using sys::Clock;
using sys::Shell;

TEST(SysShell, RecordsEveryRequestAndTellsItsObservers) {
    ::setenv("ZIRIRUR_NO_SHELL", "1", 1); // never start a real handler from a test
    Shell::clearRequests();
    std::vector<std::string> seen;
    int id = Shell::subscribe([&](const std::string& target) { seen.push_back(target); });
    Shell::open("C:\\inst\\Help\\index.htm");
    Shell::open("http://www.example.com/");
    Shell::unsubscribe(id);
    Shell::open("after");

    EXPECT_EQ(seen,
              (std::vector<std::string>{"C:\\inst\\Help\\index.htm", "http://www.example.com/"}));
    EXPECT_EQ(Shell::requests(), (std::vector<std::string>{"C:\\inst\\Help\\index.htm",
                                                           "http://www.example.com/", "after"}));
    Shell::clearRequests();
    EXPECT_TRUE(Shell::requests().empty());
}

TEST(SysClock, VirtualTimeMovesOnlyWhenAdvanced) {
    Clock::useVirtualTime();
    EXPECT_EQ(Clock::mode(), Clock::Mode::Virtual);
    EXPECT_NE(Clock::tickCount(), 0u); // 0 means "not started" to the timer
    Clock::useVirtualTime(5000);
    EXPECT_EQ(Clock::tickCount(), 5000u);
    EXPECT_EQ(Clock::tickCount(), 5000u);
    Clock::advance(400);
    EXPECT_EQ(Clock::tickCount(), 5400u);

    Clock::useVirtualTime(0xFFFFFF00u); // wraps like the system's tick count
    Clock::advance(0x200);
    EXPECT_EQ(Clock::tickCount(), 0x100u);
    EXPECT_EQ(static_cast<std::int32_t>(Clock::tickCount() - 0xFFFFFF00u), 0x200);

    Clock::useRealTime();
    EXPECT_EQ(Clock::mode(), Clock::Mode::Real);
    EXPECT_EQ(errorNumberOf([] { Clock::advance(10); }), sys::ErrInvalidCall);
}
