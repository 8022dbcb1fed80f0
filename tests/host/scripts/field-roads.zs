# The Form Field Manager on fields whose own handlers a reader of the markup would miss or
# mistake (tests/data/fm-roads.htm): each effect turned on and off again leaves them as they
# were. Run with --cursor k.
menu Form Field Manager

# References in a script: the lock off on a field that never had one, then on and off.
select lstEffect "Other Functions"
select List1 k
click Command22
click Command21
click Command22

# The name "onblur" first inside the title, at the end of the field's name, and the handler
# beyond character 32767 of the markup.
select lstEffect "Text Functions"
select List1 email
click Command12
click Command13
select List1 xonblur
click Command15
click Command16
select List1 long
click Command15
click Command16

# "onkeyup" first inside the title.
select List1 keyed
set txtCharLimit 20
click Command17
click Command18

# Handler names in the text of a text area.
select List1 story
click Command12
click Command13
select lstEffect "Other Functions"
click Command21
click Command22

# "onfocus" inside data-onfocus.
select lstEffect "Basic Text Style"
select List1 tracked
click Command27
click Command28

# A status text with an apostrophe, quotes, a backslash and references.
select lstEffect "Other Functions"
select List1 email
set txtStatus "Don't \"say\" C:\\new & Tom &amp; Jerry a&#xD;b"
click Command8
