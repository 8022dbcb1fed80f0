# The cursor in the field of the first of the forms among the table's rows: the Form Fields
# Manager lists that form's fields, and its field gets upper case.
menu Form Field Manager
select List1 TeaCount
click Command12
