// Speed of the page document on a large generated page: the parser's bare parse beside our
// parse (the parser's work plus the tree we build from it) and our serialisation.

#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/HtmlParser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A page of old-style table layout, about 2.5 MB: forms in table cells, scripts, comments,
// entities, select lists and inline event handlers.
const std::string& generatedPage() {
    static const std::string page = [] {
        std::string html = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
                           "<html><head><title>Catalogue</title>\n"
                           "<script>function check(f) { return f && f.q.value != ''; }</script>\n"
                           "</head><body bgcolor=\"#FFFFFF\">\n";
        for (int i = 0; html.size() < 2'500'000; ++i) {
            std::string n = std::to_string(i);
            html += "<!-- item " + n +
                    " -->\n<table border=0 width=\"100%\"><tr><td>"
                    "<font face=\"Arial\" size=2><b>Item " +
                    n +
                    "</b> &mdash; caf&eacute; &amp; "
                    "more&nbsp;text, prices &lt; &pound;" +
                    n + "</font></td>\n<td><form name=\"f" + n +
                    "\" action=\"/cgi-bin/cart.pl?item=" + n +
                    "&amp;lang=en\" method=post>\n"
                    "<input type=hidden name=item value=\"" +
                    n +
                    "\">\n"
                    "<input type=text name=qty size=3 value=1 onfocus=\"if(a&&b){x=&quot;" +
                    n +
                    "&quot;;}\" onblur=\"ZirirurNumberOnly(this);\">\n"
                    "<select name=colour><option value=r>Red<option value=g selected>Green"
                    "<option value=b>Blue</select>\n"
                    "<textarea name=note rows=2 cols=20>Note " +
                    n +
                    "</textarea>\n"
                    "<input type=image src=\"images/buy.gif\" name=buy alt=\"Buy\">\n"
                    "</form></td></tr></table>\n<p>Some text with <i>markup</i> and a "
                    "<a href=\"item" +
                    n +
                    ".htm\">link</a>.</p>\n"
                    "<script>if (" +
                    n +
                    " < 10 && document.forms.length > 0) { check(null); }"
                    "</script>\n";
        }
        return html + "</body></html>\n";
    }();
    return page;
}

void GumboBareParse(benchmark::State& state) {
    const std::string& page = generatedPage();
    for (auto _ : state)
        dom::HtmlParser::parseOnly(page);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

void ParseAndSerialize(benchmark::State& state) {
    const std::string& page = generatedPage();
    for (auto _ : state) {
        auto document = dom::Document::parse(page);
        benchmark::DoNotOptimize(document->serialize());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
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

} // namespace

BENCHMARK(GumboBareParse)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseAndSerialize)->Unit(benchmark::kMillisecond);
BENCHMARK(Parse)->Unit(benchmark::kMillisecond);
BENCHMARK(Serialize)->Unit(benchmark::kMillisecond);
BENCHMARK(FormFieldsByIndex)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
