; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: A
_A
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: B
_B
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x0
						; A
	call _A
						; else
	goto __endif0x1
__endif0x0
						; B
	call _B
						; then
__endif0x1
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
