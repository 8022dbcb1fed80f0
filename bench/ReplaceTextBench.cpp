// ReplaceText on texts with 5,000 and 20,000 occurrences of what it replaces, as the quick
// components' sections and the favourites' stored forms give it: the larger text should cost
// about four times the smaller, not sixteen. Once with a placeholder among markup, once with a
// word among Cyrillic text, whose letters fold to another case in two bytes.
#include "addin/modText.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

void ReplacePlaceholder(benchmark::State& state) {
    const int occurrences = static_cast<int>(state.range(0));
    const std::string text =
        Repeated("<a href=\"{hyperlink}\" name=\"{FormName}\">Go</a> ", occurrences / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(zirirur::ReplaceText(text, "{FORMNAME}", "Contact1"));
    state.counters["occurrences"] = occurrences;
}

void ReplaceCyrillicWord(benchmark::State& state) {
    const int occurrences = static_cast<int>(state.range(0));
    // "Форма для заказа; ФОРМА. " : the word twice, in two cases.
    const std::string text = Repeated("\xD0\xA4\xD0\xBE\xD1\x80\xD0\xBC\xD0\xB0 \xD0\xB4\xD0\xBB"
                                      "\xD1\x8F \xD0\xB7\xD0\xB0\xD0\xBA\xD0\xB0\xD0\xB7\xD0\xB0; "
                                      "\xD0\xA4\xD0\x9E\xD0\xA0\xD0\x9C\xD0\x90. ",
                                      occurrences / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            zirirur::ReplaceText(text, "\xD1\x84\xD0\xBE\xD1\x80\xD0\xBC\xD0\xB0", "form"));
    state.counters["occurrences"] = occurrences;
}

} // namespace

BENCHMARK(ReplacePlaceholder)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceCyrillicWord)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
