# An unnamed form in a table cell: named on the way, then a reset button whose question holds
# quotes, an apostrophe, an ampersand and angle brackets.
menu Quick Form Components
select List1 "Confirm Before Reset"
answer Yes
input Guestbook
input "Don't clear my \"stuff\" & <things>?"
click Command1
