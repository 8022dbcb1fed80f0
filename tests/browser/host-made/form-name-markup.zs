# The form's name holds an apostrophe, quotes, an ampersand and an angle bracket: Submit Once,
# inserted twice, brings its guard once, and the guard watches this form by its real name.
menu Quick Form Components
select List1 "Submit Once"
click Command1
menu Quick Form Components
select List1 "Submit Once"
click Command1
