\ rcall.f -- words defined with :: are entered through the return table:
\ the caller jumps with its return number in W and the word returns through
\ entry n of the table.  Called from ordinary words, from other RCALL words
\ and from themselves (deeper than the 16-level hardware stack would allow
\ for calls), with exit in the middle, inside do loops and from 200 call
\ sites in one word, so that the return table is long.

fload core.f

: bar ( -- )  [char] | emit cr ;

:: r-inc ( n -- n+1 )  1+ ;
:: r-add ( n1 n2 -- n3 )  + ;
:: r-twice ( n -- 2n )  dup r-add ;
:: r-abs ( n -- |n| )  dup 0< if negate exit then ;
:: r-down ( n -- )  dup 0= if drop exit then dup . 1- r-down ;
:: r-depth ( n -- n )  dup if 1- r-depth r-inc then ;
:: r-sum ( n -- sum )  0 swap 0 do i + loop ;
:: r-count ( n -- n )  0 swap 0 do r-inc loop ;
:: r-find ( n -- i | -1 )  100 0 do dup i = if drop i unloop exit then loop drop -1 ;

: t-end ( n -- n+1 )  r-inc ;

: many ( -- 200 )
	0
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc r-inc 
	;

: main ( -- )
	12345 >r
	." rcall: "  5 r-inc .  2 3 r-add .  21 r-twice .  -7 r-abs .  7 r-abs .
	-32768 r-abs .  bar
	." recurse: "  5 r-down  50 r-depth .  bar
	." loops: "  10 r-sum .  7 r-count .  5 0 do i r-inc . loop  42 r-find .
	200 r-find .  bar
	." tail: "  5 t-end .  bar
	." many: "  many .  bar
	." depth: "  depth .  r> .  bar ;
