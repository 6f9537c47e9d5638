; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; fload
; Processing file: a.f.
						; fload
; Processing file: b.f.
						; fload
; Processing file: a.f.
						; fload
; Processing file: main.f.
;***************************************************
;!### FORTH Word: bb
_bb
						; ;
	return
;***************************************************
; End of file: b.f.
;***************************************************
;!### FORTH Word: aa
_aa
						; ;
	return
;***************************************************
; End of file: a.f.
						; fload
; Processing file: a.f.
;***************************************************
;!### FORTH Word: m
_m
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
