\ line.f -- accept reads lines that the simulator sends to USART1: CR or
\ LF ends a line, backspace (8) and DEL (127) take back a character (and
\ do nothing on an empty line), characters past the room are dropped.
\ Each line prints "[" and what accept echoed, "]", the length and the
\ text stored; >number then converts a line that accept read.

fload core.f

20 array buf

: bar ( -- )  [char] | emit cr ;

: line ( n -- )  ." ["  buf swap accept  ." ] "  dup .  buf swap dtype  bar ;

: number-line ( -- )
	." ["  buf 20 accept  ." ] "  buf swap 0 0 2swap >number  . drop drop .  bar ;

: main ( -- )
	20 line  20 line  20 line  5 line  20 line  20 line
	number-line  0 line
	." key?: "  key? .  bar ;
