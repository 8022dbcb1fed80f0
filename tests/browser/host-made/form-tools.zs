# A radio group built in its dialog and pasted at the cursor (in the table cell "Heard"), its
# second option checked and a break after each; then the form's one-line text fields removed.
menu Insert Form Radio Group
set Text1 Source
click Command1
set Text2 friend
set Text3 "A friend"
click Command1
set Text2 "the \"web\""
set Text3 "The <b>web</b>"
click Option1(0)
click Command1
set Text2 paper
set Text3 "A paper"
check Check1 1
click Command3

menu Remove Form/Form Parts
click optDel(3)
select lstTypes TEXT
click Command1
