# A page with CR-only line ends and an unnamed form.
menu Quick Form Components
select List1 "Text Area With Countdown"
answer Yes
input Guestbook
input 40
click Command1
