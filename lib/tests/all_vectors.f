\ all_vectors.f -- one interrupt handler on each of the four vectors.
\
\ The vector stubs of 0x08, 0x10, 0x18 and 0x20 follow each other without
\ a gap, so this only assembles when each stub (with the gprbank macro)
\ fits its 8 words.  Under the simulator the INT pin and Timer0 events
\ come from the simulator, T0CKIF and the peripheral flag TMR1IF are set
\ by the program; every handler must run.

fload core.f

variable n-int
variable n-timer
variable n-t0cki
variable n-peri

8 :interrupt on-int ( -- )  1 n-int +!  interrupt;
16 :interrupt on-timer ( -- )  1 n-timer +!  interrupt;
24 :interrupt on-t0cki ( -- )  1 n-t0cki +!  interrupt;
32 :interrupt on-peri ( -- )
	1 n-peri +!
	278 c@ 239 and 278 c!  \ clear TMR1IF (PIR1 = 0x116, bit 4), else it comes back
interrupt;

: enable ( -- )
	16 279 c!  \ PIE1 (0x117): TMR1IE
[code]
	movlw	(1 << INTE) | (1 << T0IE) | (1 << T0CKIE) | (1 << PEIE)
	movwf	INTSTA
endcode
	ei ;

: raise ( -- )
[code]
	bsf	INTSTA, T0CKIF
endcode
	16 278 c! ;  \ PIR1: TMR1IF

: main ( -- )
	enable raise
	100 ms
	di
	n-int @ 0>  n-timer @ 0> and  n-t0cki @ 1 = and  n-peri @ 1 = and
	if ." VECTORS OK" else ." VECTORS BAD" then cr ;
