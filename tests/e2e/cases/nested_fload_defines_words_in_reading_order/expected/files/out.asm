; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: a
_a
						; ;
	return
;***************************************************
						; fload
; Processing file: one.f.
;***************************************************
;!### FORTH Word: b
_b
						; ;
	return
;***************************************************
						; fload
; Processing file: two.f.
;***************************************************
;!### FORTH Word: d
_d
						; ;
	return
;***************************************************
; End of file: two.f.
; End of file: one.f.
;***************************************************
;!### FORTH Word: c
_c
						; ;
	return
;***************************************************
; End of file: main.f.
; Literal Table 
__literal_table 
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
