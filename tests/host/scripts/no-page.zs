# Every command with no page open: the tools refuse, About and Help work.
menu Add Form To Favourites
menu Insert Form From Favourites
menu Remove Form/Form Parts
menu Quick Form Components
menu Form Field Manager
menu Insert Form Radio Group
menu About Zirirur
click Label18
close
menu Zirirur Help
