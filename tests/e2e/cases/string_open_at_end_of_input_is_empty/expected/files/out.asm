; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; s"
	movlw low _string_0x1
	call _push_byte_literal
	movlw high _string_0x1
	movwf THIGH
	movlw 0x0
	call _push_byte_literal
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
_string_0x1
	DATA ""
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
