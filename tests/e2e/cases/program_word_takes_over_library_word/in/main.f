fload lib.f
: twice ( -- )  early ;
6 constant five
variable v
5 constant cinq
: main  twice quad five cinq v 5 6 ;
