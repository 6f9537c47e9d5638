; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; 0
						; [if]
						; 2
						; .
						; [then]
						; cr
						; 1
						; [if]
						; 3
						; .
						; [else]
						; cr
						; -1
						; [if]
						; 5
						; .
						; [else]
						; cr
						; 0
						; [if]
						; 10
						; .
						; [then]
						; cr
						; [then]
						; [else]
						; 12
						; .
						; cr
						; 0
						; [if]
						; 13
						; .
						; cr
						; 0
						; [if]
						; 14
						; .
						; cr
;***************************************************
;!### FORTH Word: t
_t
						; [
						; 0
						; ]
						; [if]
						; [
						; 15
						; ]
						; literal
	movlw 0xf
	call _push_byte_literal
						; [then]
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
