# Add Form To Favourites on the order form: a name the store refuses, then a good one.
menu Add Form To Favourites
show
set txtFavName "Order_Form"
click Command1
set txtFavName "Order Form"
set txtFavDesc "The shop's order form"
click Command1
