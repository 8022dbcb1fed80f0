// The colour control while the pointer rests on a cell with the focus inside it: its hover timer
// runs for a few seconds of the real clock. Reported: the processor time the process took, as a
// share of one core. The timer waits for its next tick instead of polling, so the share should
// stay well under 2 per cent.
#include "colorpicker/AZColorBox.h"
#include "platform/sys/Clock.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Form.h"
#include "tests/platform/ui/UserScript.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

class RestForm : public ui::Form {
public:
    RestForm() : ui::Form("ColorSel") {}

protected:
    void createControls() override {
        setCaption("Color Selector");
        auto* box = add<zirirur::AZColorBox>("ColorBox");
        box->move(30, 15, zirirur::AZColorBox::FixedWidth, zirirur::AZColorBox::FixedHeight);
        box->initProperties();
    }
};

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void RestingPointer(benchmark::State& state) {
    const int restMs = static_cast<int>(state.range(0));
    sys::Clock::useRealTime();
    ui::Driver& driver = ui::Driver::instance();
    double share = 0;
    for (auto _ : state) {
        double processorStart = 0;
        auto wallStart = std::chrono::steady_clock::now();
        double processor = 0;
        double wall = 0;
        uitest::script({
            [&] { driver.focus("ColorBox", -1); }, // the hover timer's loop runs from here
            [&] { driver.mouse("move", "ColorBox", -1, 13 + 12 * 2, 29 + 12 * 5, 0); },
            [&] {
                processorStart = processorSeconds();
                wallStart = std::chrono::steady_clock::now();
                driver.wait(restMs);
            },
            [&] {
                processor = processorSeconds() - processorStart;
                wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart)
                           .count();
            },
        });
        RestForm form;
        form.show(ui::ShowMode::Modal);
        state.SetIterationTime(wall);
        share = wall > 0 ? 100 * processor / wall : 0;
    }
    driver.reset();
    state.counters["rest_ms"] = restMs;
    state.counters["cpu_per_cent_of_a_core"] = share;
}

} // namespace

BENCHMARK(RestingPointer)->Arg(3000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
