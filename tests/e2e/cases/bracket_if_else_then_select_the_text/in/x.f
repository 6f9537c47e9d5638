0 [if] 1 . [else] 2 . [then] cr
1 [if] 3 . [else] 4 . [then] cr
-1 [IF] 5 . [Else] 6 . [THEN] cr
0 [if] 1 [if] 7 . [else] 8 . [then] 9 . [else] 10 . [then] cr
[then] [else] 11 . [then] 12 . cr
0 [if] \ skip to [then] 13 . cr
0 [if] ( [then] 14 . cr
: t [ 0 ] [if] undefined [else] [ 15 ] literal [then] ;
