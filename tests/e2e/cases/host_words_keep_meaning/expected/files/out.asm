; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: +
_KZ_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: cr
_cr
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; +
	call _KZ_QZX_
						; cr
	goto _cr
						; ;
	; Deferred return.
;***************************************************
						; 1
						; 2
						; +
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
