\ blink.f -- blink a LED on pin RB0 (port B, bit 0) twice a second.

fload core.f

17 constant ddrb  \ 0x11: port B direction register (bit = 0: output)
18 constant portb  \ 0x12: port B data register

: led-output ( -- )  ddrb c@ 254 and ddrb c! ;
: toggle ( -- )  portb c@ 1 xor portb c! ;

: main ( -- )
	led-output
	begin toggle 250 ms again ;
