# Effects on three fields of the organ survey through the Form Fields Manager, then the whole
# form, with its banner picture, saved as a favourite.
menu Form Field Manager
select List1 T1
click Command12
select List1 S1
set txtCharLimit 20
click Command17
select lstEffect "Other Functions"
select List1 email
set txtStatus "Your e-mail address"
click Command8
click Command3

menu Add Form To Favourites
set txtFavName "Organ Survey"
set txtFavDesc "The organ survey, with its banner"
click Command1
