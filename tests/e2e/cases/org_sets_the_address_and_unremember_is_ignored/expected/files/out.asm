; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; 2048
						; org
	org	0x800
						; -1
						; org
	org	0xffffffff
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
