; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; variable
_count_PTR	equ	0x26
;***************************************************
;!### FORTH Word: count
_count
	movlw 0x26
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; count
						; .
						; cr
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
