; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; 0
						; array
;0x0 bytes allocated to array.
_empty_PTR	equ	0x26
;***************************************************
;!### FORTH Word: empty
_empty
	movlw 0x26
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_first_PTR	equ	0x26
; first aliased to empty
						; cvariable
_second_PTR	equ	0x28
;***************************************************
;!### FORTH Word: second
_second
	movlw 0x28
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
