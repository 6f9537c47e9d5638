\ control.f -- if/else/then, begin/until, begin/while/repeat,
\ begin/again, do/loop with i, j, leave and unloop, exit in the middle of
\ a word, tail calls and recursion, and words defined with :zzz, code and
\ [code]; names are found whatever the letter case, and [if] [else] [then]
\ choose what is compiled.

fload core.f

: bar ( -- )  [char] | emit cr ;

: sign ( n -- )
	dup 0< if drop ." neg" else 0= if ." zero" else ." pos" then then space ;

: classify ( n -- )
	dup 10 < if
		dup 0< if [char] a emit else dup 5 < if [char] b emit else [char] c emit then then
	else
		dup 100 < if [char] d emit else [char] e emit then
	then drop ;

: truth ( x -- )  if [char] T else [char] F then emit ;

: t-if ( -- )
	." if: "  -5 sign  0 sign  7 sign  -32768 sign  256 sign  bar
	." nested: "  -1 classify  0 classify  4 classify  5 classify  9 classify
	10 classify  99 classify  100 classify  bar
	." flags: "  0 truth  1 truth  256 truth  -1 truth  -32768 truth  bar ;

: isqrt+ ( n -- i )
	\ the smallest i > 0 with n < i*i
	0 begin 1+ 2dup dup * < if nip exit then again ;

: t-begin ( -- )
	." until: "  0 begin dup . 1+ dup 5 = until drop  bar
	." while: "  10 begin dup 0> while dup . 3 - repeat .  bar
	." while 0: "  0 begin dup while 1- repeat .  bar
	." again: "  10 isqrt+ .  0 isqrt+ .  99 isqrt+ .  100 isqrt+ .  bar
	." grid: "
	0 begin dup 3 < while
		0 begin dup 2 < while over . dup . [char] ; emit 1+ repeat drop
	1+ repeat drop  bar
	." mixed: "  0 begin 3 0 do 1+ loop dup 9 < 0= until .  bar ;

: t-do ( -- )
	." do: "  5 0 do i . loop  -2 -5 do i . loop  2 -2 do i . loop  bar
	." bytes: "  258 250 do i . loop  -32766 32766 do i . loop  bar
	." long: "  0 300 0 do 1+ loop .  0 1000 0 do i + loop u.
	0 5 5 do 1+ loop .  bar
	." i j: "  3 1 do 3 0 do j 10 * i + . loop loop  bar
	." leave: "
	3 0 do 10 0 do i j + 2 > if leave then i . loop [char] / emit loop  bar
	." leave outer: "
	10 0 do 2 0 do i . loop i 2 = if leave then [char] ; emit loop
	[char] . emit  5 0 do leave loop  bar ;

: find-pair ( n -- j i | -1 )
	\ the digits of n < 100, found by searching
	10 0 do 10 0 do
		dup j 10 * i + = if drop j i unloop unloop exit then
	loop loop drop -1 ;

: early ( flag -- )  if ." early" exit then ." late" ;

: t-exit ( -- )
	." unloop: "  12345 >r  37 find-pair . .  0 find-pair . .  99 find-pair . .
	100 find-pair .  r> .  bar
	." exit: "  -1 early  space  0 early  bar ;

: countdown ( n -- )  dup 0= if drop exit then 1- countdown ;
\ a tail call: 1000 levels deep as calls would overflow the 16-level
\ hardware stack

: count-up ( n -- n' )  dup 1000 = if exit then 1+ count-up exit ;

: fact ( n -- n! )  dup 1 > if dup 1- fact * then ;

: t-tail ( -- )
	." tail: "  1000 countdown  depth .  0 count-up .  995 count-up .  bar
	." recursion: "  0 fact .  1 fact .  5 fact .  8 fact u.  bar ;

:zzz snooze ( -- )  ." zzz" ;

code swapbytes
	; ( x -- x' )  exchange the two bytes of x
	movfp	TLOW, WREG
	movpf	THIGH, TLOW
	movwf	THIGH
	return
endcode

: plus7 ( x -- x+7 )
[code]
	movlw	7
	addwf	TLOW, F
	btfsc	ALUSTA, C
	incf	THIGH, F
endcode
	;

: t-words ( -- )
	." words: "  snooze space  4660 swapbytes h.  255 swapbytes h.
	250 plus7 .  -1 plus7 .  -300 plus7 .  bar ;

: Mixed-Case ( -- )  ." mC" ;

: t-compile ( -- )
	." case: "  mixed-case  MIXED-CASE  Mixed-case  bar
	." conditional: "
	[ 1 ] [if] ." one" [else] ." zero" [then]  space
	[ 0 ] [if] ." one" [else] ." zero" [then]  space
	[ 0 ] [if] ." skipped" [then]  [ 2 ] [if] [ 0 ] [if] ." inner" [else] ." outer"
	[then] [then]  bar ;

: main ( -- )
	t-if t-begin t-do t-exit t-tail t-words t-compile
	." depth: " depth . bar ;
