// The Form Fields Manager on forms of 250 and 1,000 fields: opening the dialog (the scan of
// the form), the text style's Apply To All (each field selected, given the font family and
// the bold statements) and the highlighting's (each field selected and given its colours). The
// larger form should cost about four times the smaller, not sixteen.
#include "addin/ProjectGlobals.h"
#include "fieldmanager/frmManFields.h"
#include "platform/dom/Document.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/Application.h"
#include "platform/ui/Driver.h"
#include "tests/platform/ui/UserScript.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::string FormOfFields(int count) {
    std::string html = "<html><head><title>Many fields</title></head><body>"
                       "<form name=\"big\" id=\"big\"><table>";
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        html += "<tr><td>Field " + n + "</td><td><input type=\"text\" name=\"f" + n + "\" id=\"f" +
                n + "\" value=\"v" + n + "\" onblur=\"check(this);\"></td></tr>";
    }
    html += "</table></form></body></html>";
    return html;
}

// Opens the dialog on a fresh page, runs the setup actions, then times the Apply To All button
// alone.
void TimeApplyToAll(benchmark::State& state, const std::vector<ui::Driver::Action>& setup,
                    const std::string& applyToAll) {
    const int fields = static_cast<int>(state.range(0));
    const std::string html = FormOfFields(fields);
    editor::Application app;
    zirirur::FPApp = &app;
    ui::Driver& driver = ui::Driver::instance();

    for (auto _ : state) {
        app.newPage(html);
        auto document = app.activeDocument();
        document->setCaretAtEndOf(document->all().item("f0"));

        double seconds = 0;
        std::vector<ui::Driver::Action> actions = setup;
        actions.push_back(uitest::timedClick(applyToAll, seconds));
        uitest::script(actions);
        zirirur::frmManFields dialog;
        dialog.show(ui::ShowMode::Modal);
        state.SetIterationTime(seconds);
    }
    driver.reset();
    zirirur::FPApp = nullptr;
    state.counters["fields"] = fields;
}

// Bold on and a font family for every field.
void ApplyToAll(benchmark::State& state) {
    ui::Driver& driver = ui::Driver::instance();
    TimeApplyToAll(state,
                   {[&] { driver.selectRow("lstEffect", -1, "Basic Text Style"); },
                    [&] { driver.click("Command27"); },
                    [&] { driver.setText("lstFonts", -1, "Georgia,courier"); }},
                   "Command26");
}

// Highlighting on for every field: four statements and the inline colours each.
void HighlightApplyToAll(benchmark::State& state) {
    ui::Driver& driver = ui::Driver::instance();
    TimeApplyToAll(state,
                   {[&] { driver.selectRow("lstEffect", -1, "Highlight Functions"); },
                    [&] { driver.click("Command6"); }},
                   "Command25");
}

void OpenDialog(benchmark::State& state) {
    const int fields = static_cast<int>(state.range(0));
    const std::string html = FormOfFields(fields);
    editor::Application app;
    zirirur::FPApp = &app;
    ui::Driver& driver = ui::Driver::instance();
    app.newPage(html);
    auto document = app.activeDocument();
    document->setCaretAtEndOf(document->all().item("f" + std::to_string(fields - 1)));
    // No user actions: the dialog loads, scans the form, and is closed at once.
    driver.setActionSource([]() -> std::optional<ui::Driver::Action> { return std::nullopt; });

    for (auto _ : state) {
        zirirur::frmManFields dialog;
        dialog.show(ui::ShowMode::Modal);
    }
    driver.reset();
    zirirur::FPApp = nullptr;
    state.counters["fields"] = fields;
}

} // namespace

BENCHMARK(OpenDialog)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(ApplyToAll)->Arg(250)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(HighlightApplyToAll)->Arg(250)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
