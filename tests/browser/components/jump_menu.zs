# The cursor in no form: a new form is inserted and named, and the menu takes its place.
menu Quick Form Components
select List1 "Jump Menu"
answer Yes
input Jump1
input "Home=index.htm; Our prices=prices.htm; Contact us=contact.htm"
click Command1
