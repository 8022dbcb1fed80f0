// Speed of the page document on a large generated page: the parser's bare parse beside our
// parse (the parser's work plus the tree we build from it) and our serialisation.

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/HtmlParser.h"

#include "GeneratedPage.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {

// The bench page, about 2.5 MB.
const std::string& generatedPage() {
    static const std::string page = bench::generatedPage(2'500'000);
    return page;
}

void GumboBareParse(benchmark::State& state) {
    const std::string& page = generatedPage();
    for (auto _ : state)
        dom::HtmlParser::parseOnly(page);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

// Each iteration also times the parser's bare parse, outside the measured time, so that the
// ratio of the two comes from the same moments of a shared machine.
void ParseAndSerialize(benchmark::State& state) {
    const std::string& page = generatedPage();
    std::chrono::duration<double> ours{0}, gumbo{0};
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        auto document = dom::Document::parse(page);
        benchmark::DoNotOptimize(document->serialize());
        document.reset();
        ours += std::chrono::steady_clock::now() - start;
        state.PauseTiming();
        start = std::chrono::steady_clock::now();
        dom::HtmlParser::parseOnly(page);
        gumbo += std::chrono::steady_clock::now() - start;
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
    state.counters["vs_gumbo"] = ours / gumbo;
}

void Parse(benchmark::State& state) {
    const std::string& page = generatedPage();
    for (auto _ : state)
        benchmark::DoNotOptimize(dom::Document::parse(page));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

void Serialize(benchmark::State& state) {
    const std::string& page = generatedPage();
    auto document = dom::Document::parse(page);
    for (auto _ : state)
        benchmark::DoNotOptimize(document->serialize());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

// Walking every form's fields by index, as the field manager's scan does.
void FormFieldsByIndex(benchmark::State& state) {
    auto document = dom::Document::parse(generatedPage());
    auto forms = document->all().tags("FORM").toVector();
    for (auto _ : state) {
        int fields = 0;
        for (const auto& form : forms)
            for (int i = 0; i < form->length(); ++i)
                fields += form->item(i)->sourceIndex() > 0;
        benchmark::DoNotOptimize(fields);
    }
}

// An edit in one form, then its fields read again by index, as the field manager does after
// adding a hidden field: the cost should follow the form, not the page.
void FormFieldsAfterAnEdit(benchmark::State& state) {
    auto document = dom::Document::parse(generatedPage());
    auto form = document->all().tags("FORM").item(0);
    for (auto _ : state) {
        form->insertAdjacentHTML(dom::AdjacentPosition::AfterBegin,
                                 "<input type=hidden name=H1 value=\"No Value\">");
        benchmark::DoNotOptimize(form->item(form->length() - 1));
        form->item(0)->setOuterHTML("");
    }
}

} // namespace

BENCHMARK(GumboBareParse)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseAndSerialize)->Unit(benchmark::kMillisecond);
BENCHMARK(Parse)->Unit(benchmark::kMillisecond);
BENCHMARK(Serialize)->Unit(benchmark::kMillisecond);
BENCHMARK(FormFieldsByIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(FormFieldsAfterAnEdit)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
