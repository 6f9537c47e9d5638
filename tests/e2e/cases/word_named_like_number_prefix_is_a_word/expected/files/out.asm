; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: -x
_MZx_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: -
_MZ_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; -x
	call _MZx_QZX_
						; -
	call _MZ_QZX_
						; -5
	movlw 0x0
	call __fetch_lit
						; ;
	return
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0xfffffffb
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
