// Add Form To Favourites on a page of a web whose form shows 250 and 1,000 pictures and as many
// image buttons, each its own file in the web: every one is looked up, copied into the store
// and its address rewritten in the stored form; each save is the first under its name. The
// larger form should cost nearer four times the smaller than sixteen: what still grows with
// the form is rewriting each address in the whole stored form, and looking for a namesake of
// each new copy in the image folder.
#include "addin/ProjectGlobals.h"
#include "formtools/frmAddFavForm.h"
#include "platform/dom/Document.h"
#include "platform/dom/ElementCollection.h"
#include "platform/editor/Application.h"
#include "platform/sys/App.h"
#include "platform/sys/FileSystem.h"
#include "platform/ui/Driver.h"
#include "tests/platform/editor/ScratchFolder.h"
#include "tests/platform/ui/UserScript.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

// The page shop/order.htm of a web in a fresh folder, its form showing `pictures` pictures
// (images/picN.gif) and as many image buttons (buttons/btnN.png), with their files.
void MakeWeb(const ScratchFolder& root, int pictures) {
    std::string html = "<html><head><title>Order</title></head><body>"
                       "<form name=\"order\" id=\"order\" action=\"order.cgi\" method=\"post\">"
                       "<input type=\"text\" name=\"customer\" id=\"customer\">";
    for (int i = 0; i < pictures; ++i) {
        const std::string n = std::to_string(i);
        html += "<p><img src=\"images/pic" + n + ".gif\" alt=\"Picture " + n +
                "\"><input type=\"image\" name=\"b" + n + "\" src=\"buttons/btn" + n +
                ".png\"></p>\n";
        root.write("web/shop/images/pic" + n + ".gif", "GIF89a " + n);
        root.write("web/shop/buttons/btn" + n + ".png", "PNG " + n);
    }
    root.write("web/shop/order.htm", html + "</form></body></html>\n");
    std::filesystem::create_directories(root.path("install/FormFavs"));
    std::filesystem::create_directories(root.path("install/FormImages"));
}

void AddFormToFavourites(benchmark::State& state) {
    const int pictures = static_cast<int>(state.range(0));
    ScratchFolder root;
    MakeWeb(root, pictures);
    sys::App::setPath(sys::FileSystem::windowsPath(root.path("install")));
    editor::Application app;
    zirirur::FPApp = &app;
    app.openWeb(root.path("web"));
    ui::Driver& driver = ui::Driver::instance();

    for (auto _ : state) {
        app.openPage(root.path("web/shop/order.htm"));
        auto document = app.activeDocument();
        document->setCaretAtEndOf(document->all().item("customer"));
        double seconds = 0;
        uitest::script({[&] { driver.setText("txtFavName", -1, "Order"); },
                        uitest::timedClick("Command1", seconds)});
        zirirur::frmAddFavForm dialog;
        dialog.show(ui::ShowMode::Modal);
        state.SetIterationTime(seconds);
        // Each save makes its image folder afresh, as the first save under a name does.
        std::filesystem::remove_all(root.path("install/FormImages/Order"));
    }
    driver.reset();
    zirirur::FPApp = nullptr;
    state.counters["pictures"] = pictures;
}

} // namespace

BENCHMARK(AddFormToFavourites)->Arg(250)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
