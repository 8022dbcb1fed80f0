# A named form nested deep in tables, beside a VBScript block.
menu Quick Form Components
select List1 "Required Fields Check"
input "name, email"
click Command1
