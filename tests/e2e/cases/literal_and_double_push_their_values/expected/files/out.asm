; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; [
						; 7
						; ]
						; literal
	movlw 0x7
	call _push_byte_literal
						; double
	movlw 0x0
	call __fetch_lit
	movlw 0x1
	call _push_byte_literal
						; double
	movlw 0x5
	call _push_byte_literal
	call _false
						; double
	movlw 0x1
	call __fetch_lit
	movlw 0x1
	call __fetch_lit
						; ;
	return
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0x1170
	DATA 0xffff
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
