; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/lib1/kcomp.inc"
; i
						; fload
; Processing file: one.f.
;***************************************************
;!### FORTH Word: one
_one
						; ;
	return
;***************************************************
; End of file: one.f.
						; fload
; Processing file: two.f.
;***************************************************
;!### FORTH Word: two
_two
						; ;
	return
;***************************************************
; End of file: two.f.
						; fload
; Processing file: both.f.
;***************************************************
;!### FORTH Word: both-here
_bothMZhere_QZX_
						; ;
	return
;***************************************************
; End of file: both.f.
; End of file: main.f.
; Literal Table 
__literal_table 
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
