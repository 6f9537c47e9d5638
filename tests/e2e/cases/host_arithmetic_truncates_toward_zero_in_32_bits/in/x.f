-7 2 / . cr -7 2 mod . cr 7 negate . cr 5 invert . cr 6 3 xor . cr 1 4 lshift . cr -1 28 rshift . cr
1 40 lshift . cr 5 1+ . cr 5 1- . cr -3 2* . cr -3 2/ . cr 3 4 min . cr 3 4 max . cr -9 abs . cr
1 dup . . cr 1 2 drop . cr 1 2 swap . . cr 1 2 over . . . cr 1 2 < . 2 1 < . 1 2 > . 2 1 > . cr
-2147483648 -1 / . cr -2147483648 -1 mod . cr -2147483648 abs . cr -7 -2 / . cr -7 -2 mod . cr
