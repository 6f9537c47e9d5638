\ shared.f -- cells shared between the main program and an interrupt
\ handler.  @, ! and +! work with interrupts disabled, so neither side ever
\ sees half of an update, also when the high byte changes (255 -> 256).
\ The main loop takes a different time on every pass, so that the Timer0
\ interrupt lands on every instruction of its reads and writes.

fload core.f

32 array pad  ( fills bank 0: the shared cells are in bank 1, where kcomp
                -os compiles no in-line fetch or store )
variable ticks  ( counted up by the handler )
variable flip  ( 255 or 256, written by the handler )
variable flop  ( 255 or 256, written by the main program )
variable bad-main  ( torn values the main program read )
variable bad-handler  ( torn values the handler read )

: two-values? ( x -- flag )  dup 255 = swap 256 = or ;

16 :interrupt on-timer ( -- )
	1 ticks +!
	flip @ 255 = if 256 else 255 then flip !
	flop @ two-values? 0= if 1 bad-handler +! then
interrupt;

: enable ( -- )
[code]
	bsf	INTSTA, T0IE
endcode
	ei ;

: bar ( -- )  [char] | emit cr ;

: pass ( n -- )
	\ read the handler's cell, write the main program's one, then wait
	\ n AND 7 loop rounds
	flip @ two-values? 0= if 1 bad-main +! then
	dup 1 and if 255 else 256 then flop !
	7 and ?dup if 0 do loop then ;

: main ( -- )
	255 flip !  255 flop !  enable
	0 begin dup pass 1+ ticks @ 1000 u> until drop  di
	." torn: "  bad-main @ .  bad-handler @ .  bar ;
