# A double click inserts at once; outside a web no file is added, and the user is told.
menu Insert Form From Favourites
dblclick List1 0
