# Highlighting colours chosen in the Color Selector in each of its four ways, then turned on
# for every field of the form and off again for one; other effects join the highlighted fields.
# The field Escaped holds escapes of its own in its status text and colour: Apply To All, Set,
# the lock and bold keep their meaning.
# Run on tests/data/fm-highlight.htm with --cursor Name.
menu Form Field Manager
select lstEffect "Highlight Functions"

# Background with the focus: colour text typed, then Enter.
click Command4
set HTMLColor ""
type HTMLColor ff0000
key HTMLColor Enter
click Command2

# Background without the focus: palette cells pressed and released, Yellow (the eighth main
# cell) and then its palest shade (the first shade cell).
click Command5
mouse move ColorBox 13 113
mouse down ColorBox 13 113
mouse up ColorBox 13 113
mouse down ColorBox 65 29
mouse up ColorBox 65 29
click Command2

# Text with the focus: "More Colors...", answered in the system colour dialog.
click Command20
choose-colour #0000FF
click MorePal
click Command2

# Text without the focus: the page's own colours (#006600, #333333) in the custom palette,
# and its second cell.
click Command23
click btDocColors
show
mouse down ColorBox 13 41
mouse up ColorBox 13 41
click Command2

# Cancel hands nothing back.
click Command4
mouse down ColorBox 25 29
mouse up ColorBox 25 29
click Command7

# On for the first field, then for all of them; off again for the last.
click Command6
click Command25
click Command7
show

# Other effects on the highlighted fields: upper case and a status text.
select lstEffect "Text Functions"
select List1 Name
click Command12
select lstEffect "Other Functions"
select List1 Town
set txtStatus "Your town"
click Command8

# The status text of Escaped, as the page holds it, set again; then the lock and bold.
select List1 Escaped
click Command10
click Command21
select lstEffect "Basic Text Style"
click Command27
