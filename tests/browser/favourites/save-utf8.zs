# The search form of a UTF-8 page with Chinese text, saved as a favourite outside any web.
menu Add Form To Favourites
set txtFavName "Search"
click Command1
