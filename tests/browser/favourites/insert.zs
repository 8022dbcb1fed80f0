# Both favourites into the new page of another web, one after the other.
menu Insert Form From Favourites
select List1 "Organ Survey"
click Command1
menu Insert Form From Favourites
dblclick List1 1
