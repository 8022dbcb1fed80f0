#include "formtools/FavouriteLists.h"

#include "addin/modText.h"
#include "formtools/FavouriteRecord.h"
#include "formtools/PendingMessages.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/FileSystem.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MsgBox.h"

#include <string>
#include <vector>

namespace zirirur {

using sys::FileSystem;

namespace {

// Runs one step of the listing as its variant meets errors.
template <typename Step> void ListingStep(ListingErrors errors, Step&& step) {
    if (errors == ListingErrors::PassOver)
        sys::tryStep(step);
    else
        step();
}

} // namespace

void FavouriteLists::Load(ui::ListBox& names, ui::ListBox& lines, IndexHeader header,
                          ListingErrors errors) {
    ListingStep(errors, [&] {
        names.clear();
        lines.clear();
    });

    ListingStep(errors, [&] {
        if (!FileExists(FavouritesStore::IndexPath())) {
            FavouritesStore::CreateIndex(header);
            ProcessPendingMessages(1);
        }
    });

    std::vector<std::string> indexLines;
    ListingStep(errors, [&] { indexLines = FavouritesStore::ReadIndex(); });
    for (const std::string& line : indexLines) {
        ListingStep(errors, [&] {
            const std::string Name = FavouriteRecord::NameOf(line);
            if (!FavouritesStore::IsListed(Name))
                return;
            names.addItem(Name);
            lines.addItem(line);
        });
    }
}

void FavouriteLists::Delete(ui::ListBox& names, ui::ListBox& lines,
                            const std::function<void()>& LoadFavourites) {
    const int selected = names.listIndex();
    if (selected < 0) {
        ui::msgBox("An item must be selected before deleting.", ui::vbInformation, "Zirirur");
        return;
    }
    if (ui::msgBox("Are you sure about deleting this item?", ui::vbYesNo + ui::vbQuestion,
                   "Zirirur") != ui::vbYes)
        return;

    // From here on a failing step is passed over.
    std::string Name;
    sys::tryStep([&] { Name = names.list(selected); });
    sys::tryStep([&] { lines.removeItem(selected); });

    // The new index takes the old one's place in one step, so at this pause, as after any
    // failure, the store still holds the old index whole.
    ProcessPendingMessages(1);
    const bool rewritten = sys::tryStep([&] {
        std::vector<std::string> kept;
        for (int i = 0; i < lines.listCount(); ++i)
            kept.push_back(lines.list(i));
        FavouritesStore::RewriteIndex(kept);
    });

    if (rewritten) {
        sys::tryStep([&] { FileSystem::deleteFile(FavouritesStore::ImageFolder(Name) + "\\*.*"); });
        ProcessPendingMessages(1);
        sys::tryStep([&] { FileSystem::removeFolder(FavouritesStore::ImageFolder(Name)); });
        sys::tryStep([&] { FileSystem::deleteFile(FavouritesStore::FormFilePath(Name)); });
        ProcessPendingMessages(2);
    } else {
        // A record that stays in the index keeps its files: the favourite stays whole, and the
        // reload below lists it again.
        ui::msgBox("The favourite could not be deleted: the favourites index cannot be written.",
                   ui::vbExclamation, "Zirirur");
    }

    sys::tryStep([&] { names.removeItem(selected); });
    sys::tryStep([&] { LoadFavourites(); });
}

} // namespace zirirur
