# Insert Form From Favourites: the description on a click, then the insert.
menu Insert Form From Favourites
select List1 "Order Form"
show
click Command1
