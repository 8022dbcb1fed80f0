// The Form Fields Manager on forms of 250 and 1,000 fields: opening the dialog (the scan of
// the form) and the text style's Apply To All (each field selected, given the font family and
// the bold statements). The larger form should cost about four times the smaller, not sixteen.
#include "addin/ProjectGlobals.h"
#include "fieldmanager/frmManFields.h"
#include "platform/dom/Document.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/Application.h"
#include "platform/ui/Driver.h"
#include "tests/platform/ui/UserScript.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <optional>
#include <string>

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

void ApplyToAll(benchmark::State& state) {
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
        uitest::script({
            [&] { driver.selectRow("lstEffect", -1, "Basic Text Style"); },
            [&] { driver.click("Command27"); },
            [&] { driver.setText("lstFonts", -1, "Georgia,courier"); },
            [&] {
                const auto start = std::chrono::steady_clock::now();
                driver.click("Command26");
                seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            },
        });
        zirirur::frmManFields dialog;
        dialog.show(ui::ShowMode::Modal);
        state.SetIterationTime(seconds);
    }
    driver.reset();
    zirirur::FPApp = nullptr;
    state.counters["fields"] = fields;
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

BENCHMARK_MAIN();
