# A form named in mixed case, with a radio group and groups of check boxes that share a name;
# one required name that the form does not hold.
menu Quick Form Components
select List1 "Required Fields Check"
input "name, size, crust, topping, sauce"
click Command1
