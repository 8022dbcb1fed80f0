// Saving a page in a charset that iconv converts, with many characters the charset lacks (each
// written as a character reference): the cost grows with the page, so 40,000 such characters
// cost about four times what 10,000 cost, not sixteen.

#include "platform/editor/Application.h"
#include "platform/editor/PageWindow.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A KOI8-R page whose one field holds `lacking` emoji pasted in, among Russian text.
std::string koi8rPage(int lacking) {
    std::string html = "<html><head><meta charset=koi8-r><title>\xD0\xA4\xD0\xBE\xD1\x80\xD0\xBC"
                       "\xD0\xB0</title></head><body>\n<p>";
    for (int i = 0; i < 2000; ++i)
        html += "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 ";
    html += "</p>\n<form><input name=Pasted value=\"";
    for (int i = 0; i < lacking; ++i)
        html += "\xF0\x9F\x98\x80";
    return html + "\"></form></body></html>\n";
}

void BM_SaveKoi8rPageWithCharactersItLacks(benchmark::State& state) {
    editor::Application application;
    editor::PageWindow& page = application.newPage(koi8rPage(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(page.bytes());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SaveKoi8rPageWithCharactersItLacks)
    ->Arg(10000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
