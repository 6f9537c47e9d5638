; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; 4660
	movlw 0x34
	call _push_byte_literal
	movlw 0x12
	movwf THIGH
						; -1
	movlw 0xff
	call _push_byte_literal
	movlw 0xff
	movwf THIGH
						; 256
	movlw 0x0
	call _push_byte_literal
	movlw 0x1
	movwf THIGH
						; 0
	call _false
						; ;
	return
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
