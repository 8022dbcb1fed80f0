# A named form; the component is inserted by a double click, and its script file goes into
# the web beside the page.
menu Quick Form Components
select List1 "E-mail Address Check"
dblclick List1
