#include "colorpicker/VadiduTimer.h"

#include "platform/sys/Clock.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <vector>

namespace {

using zirirur::VadiduTimer;

// On virtual time with no script and no form, the timer's waits move the clock straight to
// the next tick: a loop that spun instead would never see time pass and never end.
class VadiduTimerTest : public uitest::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        start = sys::Clock::tickCount();
    }
    uint32_t elapsed() const { return sys::Clock::tickCount() - start; }
    uint32_t start = 0;
};

TEST_F(VadiduTimerTest, FirstEventComesOneIntervalAfterTheStartAndAHandlerCanStopIt) {
    VadiduTimer timer;
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 400);
    EXPECT_EQ(timer.Name(), "HoverTimer");
    std::vector<uint32_t> events;
    timer.OnTimer = [&] {
        events.push_back(elapsed());
        if (events.size() == 2)
            timer.setEnabled(false); // no further event; the write below then returns
    };
    timer.setEnabled(true);
    EXPECT_EQ(events, (std::vector<uint32_t>{400, 800}));
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(elapsed(), 800u);

    // A new interval while enabled restarts the loop with it.
    events.clear();
    start = sys::Clock::tickCount();
    timer.OnTimer = [&] {
        events.push_back(elapsed());
        timer.setEnabled(false);
    };
    timer.setEnabled(false);
    timer.setInterval(250); // disabled: returns at once, nothing raised
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(timer.Interval(), 250);
    EXPECT_FALSE(timer.Enabled());
    timer.setEnabled(true);
    EXPECT_EQ(events, (std::vector<uint32_t>{250}));
}

TEST_F(VadiduTimerTest, IntervalBelowOneDisablesAndEmptyNamesAreIgnored) {
    VadiduTimer timer;
    int events = 0;
    timer.OnTimer = [&] { ++events; };
    for (const int32_t interval : {0, -5}) {
        timer.setInterval(400);
        timer.setInterval(interval);
        EXPECT_EQ(timer.Interval(), 0) << interval;
        EXPECT_FALSE(timer.Enabled()) << interval;
    }
    timer.setEnabled(false);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(elapsed(), 0u); // every write returned at once

    timer.setName("");
    EXPECT_EQ(timer.Name(), "HoverTimer");
    timer.setName("Hover Timer");
    timer.setName("");
    EXPECT_EQ(timer.Name(), "Hover Timer");
}

TEST_F(VadiduTimerTest, EventsRunBetweenTicksAndIntervalZeroFiresOnEveryPass) {
    VadiduTimer timer;
    std::vector<uint32_t> events;
    // What the host delivers while the loop runs: posted here, it runs inside the write.
    driver().post([&] { events.push_back(1000000 + elapsed()); });
    timer.OnTimer = [&] {
        events.push_back(elapsed());
        if (events.size() == 4)
            timer.setEnabled(false);
    };
    timer.setInterval(0);
    timer.setEnabled(true);
    // Interval 0 is due on every pass: at once, again after the posted action ran, and then
    // after each idle pass, which lets a millisecond go by rather than spin.
    EXPECT_EQ(events, (std::vector<uint32_t>{0, 1000000, 0, 1}));
}

TEST_F(VadiduTimerTest, AHandlerThatStartsItAgainRunsANestedLoopThatEndsBoth) {
    VadiduTimer timer;
    std::vector<std::string> seen;
    int depth = 0;
    timer.OnTimer = [&] {
        seen.push_back("tick " + std::to_string(elapsed()) + " depth " + std::to_string(depth));
        if (seen.size() == 1) {
            ++depth;
            timer.setEnabled(true); // returns only once the inner loop has ended
            --depth;
            seen.push_back("inner loop ended");
        } else if (seen.size() == 3) {
            timer.setEnabled(false);
        }
    };
    timer.setEnabled(true);
    EXPECT_EQ(seen, (std::vector<std::string>{"tick 400 depth 0", "tick 800 depth 1",
                                              "tick 1200 depth 1", "inner loop ended"}));
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(VadiduTimerTest, TheTickCountWrappingAroundKeepsTheInterval) {
    sys::Clock::useVirtualTime(0xFFFFFF00u);
    start = sys::Clock::tickCount();
    VadiduTimer timer;
    std::vector<uint32_t> events;
    timer.OnTimer = [&] {
        events.push_back(elapsed());
        if (events.size() == 3)
            timer.setEnabled(false);
    };
    timer.setEnabled(true);
    EXPECT_EQ(events, (std::vector<uint32_t>{400, 800, 1200}));
}

} // namespace
