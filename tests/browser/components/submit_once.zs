# A form named in mixed case; its guard goes at the start of the body.
menu Quick Form Components
select List1 "Submit Once"
click Command1
