: dup ;
5 constant five
5 constant cinq
-2 constant m2
0 constant zero
: t five cinq 5 m2 65534 0 ;
: u 5 ;
five cinq + . cr
