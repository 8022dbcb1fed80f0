// Opening and saving a generated page of about 50 MB through the editor stand-in, beside the
// parser's bare parse of the same page: the time and the peak memory of each. Each is measured
// in a process of its own, forked for it, so that the memory one leaves behind does not hide
// the other's peak; the ratios compare the two of one run, as the machine's load changes.

#include "platform/dom/HtmlParser.h"
#include "platform/editor/Application.h"
#include "platform/sys/FileSystem.h"

#include "GeneratedPage.h"

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

constexpr std::size_t kPageSize = 50'000'000;

struct Measure {
    double seconds = 0;
    double peakBytes = 0;
    bool ok = false;
};

// Peak resident memory of this process since the last reset (VmHWM).
double peakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) * 1024;
    return 0;
}

// Runs work in a child process: its time, and the peak memory that it added to what the
// child started with (the bench's own few megabytes).
Measure inChildProcess(const std::function<void()>& work) {
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        Measure measure;
        // Start the peak afresh, from the memory the child shares with the bench.
        if (std::FILE* reset = std::fopen("/proc/self/clear_refs", "w")) {
            std::fputs("5", reset);
            std::fclose(reset);
        }
        auto start = std::chrono::steady_clock::now();
        try {
            work();
            measure.ok = true;
        } catch (...) {
        }
        measure.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        measure.peakBytes = peakResidentBytes();
        ssize_t written = write(fds[1], &measure, sizeof measure);
        _exit(written == sizeof measure ? 0 : 1);
    }
    close(fds[1]);
    Measure measure;
    if (pid < 0 || read(fds[0], &measure, sizeof measure) != sizeof measure)
        measure = {};
    close(fds[0]);
    int status = 0;
    if (pid > 0)
        waitpid(pid, &status, 0);
    return measure;
}

void OpenAndSaveLargePage(benchmark::State& state, std::string (*generated)(std::size_t)) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("zirirur-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string page = (folder / "large.htm").string();
    const std::string saved = (folder / "saved.htm").string();
    sys::FileSystem::writeBytes(page, generated(kPageSize));

    for (auto _ : state) {
        // Both read the page from its file: the parser needs the page's text in memory too.
        Measure gumbo =
            inChildProcess([&] { dom::HtmlParser::parseOnly(sys::FileSystem::readBytes(page)); });
        Measure ours = inChildProcess([&] {
            editor::Application application;
            application.openPage(page);
            application.savePageAs(saved);
        });
        if (!gumbo.ok || !ours.ok) {
            state.SkipWithError("a measuring process failed");
            break;
        }
        state.SetIterationTime(ours.seconds);
        state.counters["gumbo_s"] = gumbo.seconds;
        state.counters["gumbo_peak_MB"] = gumbo.peakBytes / 1e6;
        state.counters["peak_MB"] = ours.peakBytes / 1e6;
        state.counters["time_ratio"] = ours.seconds / gumbo.seconds;
        state.counters["memory_ratio"] = ours.peakBytes / gumbo.peakBytes;
    }
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK_CAPTURE(OpenAndSaveLargePage, catalogue, &bench::generatedPage)
    ->Unit(benchmark::kSecond)
    ->UseManualTime()
    ->Iterations(1);
BENCHMARK_CAPTURE(OpenAndSaveLargePage, form_rows, &bench::formRowsPage)
    ->Unit(benchmark::kSecond)
    ->UseManualTime()
    ->Iterations(1);
BENCHMARK_CAPTURE(OpenAndSaveLargePage, form_rows_from_the_top, &bench::formRowsFromTheTopPage)
    ->Unit(benchmark::kSecond)
    ->UseManualTime()
    ->Iterations(1);
BENCHMARK_CAPTURE(OpenAndSaveLargePage, form_rows_without_row_end_tags,
                  &bench::formRowsWithoutRowEndTagsPage)
    ->Unit(benchmark::kSecond)
    ->UseManualTime()
    ->Iterations(1);

BENCHMARK_MAIN();
