# An unnamed form, named on the way; the caption is typed, the address picked in the editor's
# hyperlink dialog (an ampersand in its query).
menu Quick Form Components
select List1 "Go To Address Button"
answer Yes
input SendToFriend
input "Our prices"
hyperlink "../prices.htm?dish=raclette&wine=white"
click Command1
