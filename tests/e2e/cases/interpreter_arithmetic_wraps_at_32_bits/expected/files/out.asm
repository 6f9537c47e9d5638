; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; 10
						; 3
						; -
						; .
						; cr
						; 3
						; 10
						; -
						; .
						; cr
						; 5
						; 5
						; =
						; .
						; 5
						; 6
						; =
						; .
						; 0
						; 0=
						; .
						; -1
						; 0=
						; .
						; cr
						; 10
						; cells
						; .
						; cr
						; 65535
						; 65536
						; *
						; .
						; cr
						; 12
						; 10
						; and
						; .
						; 12
						; 10
						; or
						; .
						; cr
						; -5
						; .
						; 1
						; .
						; 2
						; .
						; cr
						; 2147483647
						; 1
						; +
						; .
						; cr
						; 10
						; cells
						; array
;0x14 bytes allocated to array.
_buffer_PTR	equ	0x26
;***************************************************
;!### FORTH Word: buffer
_buffer
	movlw 0x26
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
