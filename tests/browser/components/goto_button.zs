# An unnamed form, named on the way; a first button whose hyperlink dialog is cancelled, so it has
# no address; then one whose caption is typed and whose address is picked in the editor's
# hyperlink dialog (an ampersand in its query). Each goes at the caret, before the one before.
menu Quick Form Components
select List1 "Go To Address Button"
answer Yes
input SendToFriend
input "Nowhere yet"
hyperlink --cancel
click Command1
menu Quick Form Components
select List1 "Go To Address Button"
input "Our prices"
hyperlink "../prices.htm?dish=raclette&wine=white"
click Command1
