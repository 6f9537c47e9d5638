\ loops_interrupted.f -- +loop, ?do and case keep their loop parameters
\ and stack cells while a Timer0 handler, which uses the same words, runs
\ in the middle of them.

fload core.f

variable ticks
variable hbad  ( failed checks in the handler )
variable bad  ( failed checks in the main program )

: check ( x y -- )  <> if 1 bad +! then ;

: pick3 ( n -- x )  case 0 of 10 endof 1 of 20 endof 2 of 30 endof 0 swap endcase ;

16 :interrupt on-timer ( -- )
	1 ticks +!
	0 10 0 do i + 3 +loop 18 <> if 1 hbad +! then
	0 0 0 ?do 1+ loop 4 4 ?do 1+ loop 0<> if 1 hbad +! then
	1 pick3 20 <> if 1 hbad +! then
interrupt;

: enable ( -- )
[code]
	bsf	INTSTA, T0IE
endcode
	ei ;

: work ( -- )
	0 300 0 do i + 7 +loop 6321 check
	0 -300 0 do i + -7 +loop -6321 check
	0 0 200 0 ?do 1+ loop 5 5 ?do 1+ loop 200 check
	0 100 0 do i 4 mod pick3 + loop 1500 check ;

: main ( -- )
	enable  4 0 do work loop  di
	." ran: "  ticks @ 20 > .  bad @ .  hbad @ . cr ;
