\ language.f -- +loop, ?do, leave from begin loops inside do loops,
\ case ... endcase, recurse, char and the number prefixes in both states,
\ and constants computed with the host arithmetic between definitions.

fload core.f

: bar ( -- )  [char] | emit cr ;

: t-plus-loop ( -- )
	." up: "  10 0 do i . 3 +loop  10 0 do i . 5 +loop  1 0 do i . 5 +loop  bar
	." down: "  0 10 do i . -3 +loop  0 3 do i . -1 +loop  -3 -1 do i . -1 +loop  bar
	." wrap: "  0  0 10 do 1+ 1000 +loop .  0  10 0 do 1+ -1000 +loop .
	0  -32768 32767 do 1+ 1 +loop .  0  32767 -32768 do 1+ -1 +loop .  bar
	." big: "  32767 -32768 do i . 16384 +loop  -32768 32767 do i . -16384 +loop  bar
	." steps: "  9 0 do i . i 1+ +loop  -20 0 do i . i 1- +loop  bar
	." nested: "  3 0 do 30 0 do j i + . 10 +loop 2 +loop  bar
	." leave: "  100 0 do i 20 > if leave then i . 7 +loop  [char] . emit  bar ;

: t-question-do ( -- )
	." ?do: "  5 5 ?do i . loop  3 0 ?do i . loop  -1 -1 ?do i . loop
	7 7 ?do i . 2 +loop  6 0 ?do i . 2 +loop  depth .  bar
	." ?do nested: "  3 0 ?do 3 i ?do j . i . loop loop  2 0 ?do i i ?do 0 . loop loop  depth .  bar
	." ?do leave: "  10 0 ?do i 3 = if leave then i . loop  depth .  bar ;

: t-leave ( -- )
	." while: "  10 0 do i begin dup 3 < while 1+ dup i 2 * = if drop leave then repeat . loop
	[char] . emit  bar
	." until: "  5 0 do 0 begin 1+ dup i = if drop leave then dup 3 = until . loop  bar
	." inner: "  3 0 do begin 4 0 do i 2 = if leave then i . loop -1 until
	i 1 = if leave then [char] / emit loop  bar
	." +loop: "  20 0 do i begin 1+ dup 7 mod 0= if . leave then dup i 3 + = until . 5 +loop  depth .  bar ;

: name ( n -- )
	case
		1 of ." one" endof
		2 of ." two" endof
		3 of ." three" endof
		dup .
	endcase ;

: kind ( c n -- )
	case
		0 of case [char] a of ." 0a" endof [char] b of ." 0b" endof ." 0?" endcase endof
		1 of case [char] a of ." 1a" endof ." 1?" endcase endof
		." ??" nip
	endcase ;

: t-case ( -- )
	." case: "  1 name space  2 name space  3 name space  0 name  -1 name  4 name  depth .  bar
	." nested: "  [char] a 0 kind space  [char] b 0 kind space  [char] c 0 kind space
	[char] a 1 kind space  [char] b 1 kind space  [char] a 2 kind space  depth .  bar
	." empty: "  5 case endcase  6 case 6 of ." six" endof endcase  depth .  bar
	." in loop: "  6 0 do i case 2 of leave endof 1 of ." x" endof i . endcase loop  depth .  bar ;

: fact ( n -- n! )  dup 1 > if dup 1- recurse * then ;
: down ( n -- )  dup 0= if drop exit then 1- recurse ;
: gcd ( a b -- g )  ?dup if tuck mod recurse then ;

: t-recurse ( -- )
	." recurse: "  0 fact .  1 fact .  7 fact .  1000 down depth .  84 36 gcd .  17 5 gcd .  bar ;

char A constant ca
char zebra constant cz
$ff constant xff
$FF00 constant x-ff00
$-10 constant xm10
#99 constant d99
#-5 constant dm5
%1010 constant b1010
%-1 constant bm1
'z' constant qz
''' constant quote3
$7fffffff 1+ $-80000000 = constant wrapped

: t-numbers ( -- )
	." interpret: "  ca . cz . xff . x-ff00 u. xm10 . d99 . dm5 . b1010 . bm1 . qz . quote3 . wrapped .  bar
	." compile: "  $ff . $-10 . #99 . #-5 . %1010 . %-1 . 'z' . $7FFF . $-8000 . '|' emit  bar ;

16000000 64 / 9600 / 1- constant brg
-7 2 / constant q1
7 -2 / constant q2
-7 2 mod constant r1
7 -2 mod constant r2
5 negate constant neg5
0 invert constant inv0
$f0 $3c xor constant xor1
1 10 lshift constant lsh
$8000 4 rshift constant rsh
-1 1 rshift 30 rshift constant rsh2
41 1+ 1- 2* 2/ constant ones
-7 2/ constant half
3 9 min 4 -2 max + constant minmax
-12 abs 12 abs + constant absval
5 dup * 7 drop constant dupdrop
1 2 swap - constant swapped
3 4 over - * constant overed
1 2 < 2 1 < 2 * + 1 2 > 4 * + 2 1 > 8 * + constant flags

: t-host ( -- )
	." host: "  brg . q1 . q2 . r1 . r2 . neg5 . inv0 . xor1 . lsh . rsh . rsh2 .
	ones . half . minmax . absval . dupdrop . swapped . overed . flags .  bar ;

: main ( -- )
	t-plus-loop t-question-do t-leave t-case t-recurse t-numbers t-host
	." depth: " depth . bar ;
