; Start of the stack area.
RSTACKORG  equ 0x27
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; cvariable
_a_PTR	equ	0x26
;***************************************************
;!### FORTH Word: a
_a
	movlw 0x26
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; cvariable
_b_PTR	equ	0x120
;***************************************************
;!### FORTH Word: b
_b
	movlw 0x0
	goto __fetch_lit
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0x120
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
