\ counter.f -- count Timer0 overflows in an interrupt handler and print
\ the count on USART1 once a second, while port B shows its low byte.

fload core.f

variable ticks  \ Timer0 overflows so far; written by the handler

16 :interrupt on-timer0 ( -- )
	\ 16 = 0x10, the Timer0 overflow vector; the hardware clears T0IF
	1 ticks +!
interrupt;

: timer0-on ( -- )
	\ Timer0 counts instruction cycles (prescaler 1:1), overflow interrupt on
[code]
	movlw	(1 << T0CS)
	movwf	T0STA
	bsf	INTSTA, T0IE
endcode
	ei ;

: show ( u -- )  dup 18 c!  ." ticks: " u. cr ;
\ 18 = 0x12: port B data register

: main ( -- )
	0 17 c!  \ 17 = 0x11: port B direction, all outputs
	timer0-on
	begin
		ticks @ show
		1000 ms
	again ;
