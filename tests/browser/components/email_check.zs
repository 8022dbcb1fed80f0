# A named form of a page in no web; the component is inserted by a double click and must work
# without any file beside the page.
menu Quick Form Components
select List1 "E-mail Address Check"
dblclick List1
