# A first look at the add-in: its menu under Tools, the About box and the help page.
# Run from the repository root:
#   build/host/zirirur --web host/demo/web --page host/demo/web/index.htm --cursor FullName \
#       --out - host/demo/demo.zs

# The Tools menu, with the Zirirur submenu at its top.
print-menu

# The About box: the maker's line opens the maker's site; the button closes the box.
menu About Zirirur
show
click Label18
click Command1

# The help page opens in the browser.
menu Zirirur Help

# The road of a request: the Form Field Manager on the form that holds the cursor (in the
# FullName field), a status bar text for that field, turned on. The page saved at the end
# shows the status script in its head and the two statements in the field's attributes.
menu Form Field Manager
select lstEffect "Other Functions"
set txtStatus "Please give your full name"
click Command8

# Highlighting for the same field, its colours chosen in the Color Selector: the background
# while it has the focus from the palette (Yellow, then its palest shade), the text colour
# typed as colour text; then the effect turned on.
select lstEffect "Highlight Functions"
click Command4
mouse move ColorBox 13 113
mouse down ColorBox 13 113
mouse up ColorBox 13 113
mouse down ColorBox 65 29
mouse up ColorBox 65 29
click Command2
click Command20
set HTMLColor ""
type HTMLColor 000080
key HTMLColor Enter
click Command2
click Command6
show
click Command3
