# Deleting needs a selection and a Yes; the dialog stays open with the list read afresh.
menu Insert Form From Favourites
click Command2
select List1 "Order Form"
answer No
click Command2
answer Yes
click Command2
show
click Command3
