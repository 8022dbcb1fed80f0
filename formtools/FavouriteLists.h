#pragma once

#include "formtools/FavouritesStore.h"

#include <functional>

namespace ui {
class ListBox;
}

namespace zirirur {

// How the listing meets a failing step: the Add dialog's ends there, the error going to its
// caller; the Insert dialog's passes the step over and goes on with the next.
enum class ListingErrors { EndListing, PassOver };

// The listing and the deletion that both favourites dialogs share. Each dialog keeps the
// listed favourites in two parallel lists: the visible names and, hidden, the whole index line
// that each name was read from.
class FavouriteLists {
public:
    // LoadFavourites: fills the lists from the index, making a missing index first.
    static void Load(ui::ListBox& names, ui::ListBox& lines, IndexHeader header,
                     ListingErrors errors);
    // DeleteFavourite: after the user's confirmation removes the selected favourite's line from
    // the index, its image folder and its form file, then runs the dialog's LoadFavourites. An
    // index that cannot be written is reported, and the favourite keeps its files.
    static void Delete(ui::ListBox& names, ui::ListBox& lines,
                       const std::function<void()>& LoadFavourites);
};

} // namespace zirirur
