\ interrupt.f -- interrupt handlers run while the main program loops.
\ The simulator raises the Timer0 flag and the INT-pin flag every few
\ hundred cycles; both handlers work on the stacks (in-line literals, a do
\ loop, an RCALL word, execute), and the main program meanwhile prints
\ program-memory strings and numbers, fetches literals from the table and
\ calls RCALL words, which all read the program memory, and checks what it
\ computes.  Then it sleeps in a loop until each handler has run often
\ enough.

fload core.f

variable ticks  ( Timer0 interrupts )
variable pins  ( INT-pin interrupts )
variable hsum  ( computed by the timer handler )
variable hbad  ( failed checks in the handlers )
variable bad  ( failed checks in the main program )

: bar ( -- )  [char] | emit cr ;

:: r-inc ( n -- n+1 )  1+ ;
: h-double ( n -- 2n )  dup + ;

16 :interrupt on-timer ( -- )
	1 ticks +!
	4660 1000 + hsum !
	0 5 0 do i + loop 10 <> if 1 hbad +! then
	3 r-inc 4 <> if 1 hbad +! then
interrupt;

8 :interrupt on-pin ( -- )
	1 pins +!
	21 ['] h-double execute 42 <> if 1 hbad +! then
	-1 65535 <> if 1 hbad +! then
interrupt;

: enable ( -- )
[code]
	bsf	INTSTA, T0IE
	bsf	INTSTA, INTE
endcode
	ei ;

: check ( x y -- )  <> if 1 bad +! then ;

: work ( -- )
	p." abcdefghijklmnopqrstuvwxyz" space
	4660 4661 + 9321 check  -1 1+ 0 check  5 r-inc 6 check  1000 0 r-inc
	drop 1000 check  s" xyz" nip 3 check
	0 20 0 do i r-inc + loop 210 check
	-300 . 43981 h.  bar ;

: waited ( -- flag )  ticks @ 50 < 0=  pins @ 20 < 0=  and ;

:zzz doze ( -- )
	\ sleep until an interrupt wakes the processor; its handler runs first
[code]
	sleep
endcode
	;

: wait ( -- )
	\ a begin/again loop left with exit once both handlers ran often enough
	begin waited if exit then  doze  ticks @ r-inc drop again ;

: main ( -- )
	enable
	10 0 do work loop
	\ the ten passes print 380 characters: far more cycles than the
	\ periods of both interrupts
	." during: "  ticks @ 0>  pins @ 0>  and .  bar
	wait di
	." results: "  bad @ .  hbad @ .  hsum @ .  waited .  bar ;
