# Turns every field effect on, each on its own field, and all of them on the field All,
# through the Form Fields Manager as a user would.
menu Form Field Manager

select List1 Upper
click Command12
select List1 Lower
click Command11
select List1 Numbers
click Command15
select List1 Remarks
set txtCharLimit 10
click Command17

select lstEffect "Other Functions"
select List1 Name
set txtStatus "Enter your name"
click Command8
select List1 Locked
click Command21

# A status text with an apostrophe, quotes, a backslash and an ampersand, on a field that is
# also locked and bold: its script must still run.
select List1 Mixed
set txtStatus "Don't \"quote\" C:\\new & Tom"
click Command8
click Command21

select lstEffect "Basic Text Style"
select List1 Bold
click Command27
select List1 Mixed
click Command27
select List1 Font
set lstFonts Impact
click Command24

# All at once: upper case, numbers only, a limit, a status text, bold and a font family.
select List1 All
set lstFonts "Comic Sans MS"
click Command24
click Command27
select lstEffect "Other Functions"
set txtStatus "All at once"
click Command8
select lstEffect "Text Functions"
click Command12
click Command15
set txtCharLimit 8
click Command17
close
