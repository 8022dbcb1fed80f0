# The first of thirteen unnamed forms that send into a named window, named on the way; its
# guard goes at the start of the body.
menu Quick Form Components
select List1 "Submit Once"
answer Yes
input Cart1
click Command1
