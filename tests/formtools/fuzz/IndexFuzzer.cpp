// Feeds arbitrary bytes to the favourites index as the dialogs read it: the listing of the
// names whose form files are there, their descriptions, and the rewrite that a deletion makes
// of what was listed. Any crash, sanitizer report or broken invariant stops the run.

#include "addin/modText.h"
#include "formtools/FavouriteLists.h"
#include "formtools/FavouriteRecord.h"
#include "formtools/FavouritesStore.h"
#include "platform/sys/App.h"
#include "platform/sys/FileSystem.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListBox.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

void require(bool condition, const char* what, const std::string& bytes) {
    if (condition)
        return;
    std::fprintf(stderr, "broken: %s\n--- index (%zu bytes) ---\n%s\n", what, bytes.size(),
                 bytes.c_str());
    std::abort();
}

// A dialog's two parallel lists.
class Lists : public ui::Form {
public:
    Lists() : ui::Form("Lists") { load(); }
    ui::ListBox* names = nullptr;
    ui::ListBox* lines = nullptr;

    std::vector<std::string> rows(const ui::ListBox& list) const {
        std::vector<std::string> out;
        for (int i = 0; i < list.listCount(); ++i)
            out.push_back(list.list(i));
        return out;
    }

protected:
    void createControls() override {
        names = add<ui::ListBox>("List1");
        lines = add<ui::ListBox>("List2");
    }
};

fs::path& storeFolder() {
    static fs::path folder;
    return folder;
}

// An installation folder whose store holds a few form files, for the whole run: in memory
// where the system has such a folder, as every rewrite waits for the disk.
void makeStore() {
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path& folder = storeFolder() = base / ("zr-index-fuzz-" + std::to_string(::getpid()));
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(storeFolder(), ignored);
    });
    fs::create_directories(folder / "FormFavs");
    fs::create_directories(folder / "FormImages");
    for (const char* name : {"A", "Order Form", "x", "   ", "Form-2", "a b"})
        std::ofstream(folder / "FormFavs" / (std::string(name) + ".ffv")) << "<FORM></FORM>\r\n";
    sys::App::setPath(sys::FileSystem::windowsPath(folder.string()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool made = (makeStore(), true);
    (void)made;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    sys::FileSystem::writeBytes(zirirur::FavouritesStore::IndexPath(), bytes);

    static Lists lists;
    zirirur::FavouriteLists::Load(*lists.names, *lists.lines, zirirur::IndexHeader::None,
                                  zirirur::ListingErrors::EndListing);
    const auto names = lists.rows(*lists.names);
    const auto lines = lists.rows(*lists.lines);
    require(names.size() == lines.size(), "lists in step", bytes);
    for (std::size_t i = 0; i < names.size(); ++i) {
        require(zirirur::IsValidFavName(names[i]), "a listed name a save could give", bytes);
        require(zirirur::FavouriteRecord::NameOf(lines[i]) == names[i], "the line's name", bytes);
        require(lines[i].find('\r') == std::string::npos, "a line without its end", bytes);
        zirirur::FavouriteRecord::DescriptionOf(lines[i]);
    }

    // The rewrite of a deletion that removed nothing lists the same again.
    zirirur::FavouritesStore::RewriteIndex(lines);
    zirirur::FavouriteLists::Load(*lists.names, *lists.lines, zirirur::IndexHeader::None,
                                  zirirur::ListingErrors::EndListing);
    require(lists.rows(*lists.names) == names, "names after a rewrite", bytes);
    require(lists.rows(*lists.lines) == lines, "lines after a rewrite", bytes);
    return 0;
}
