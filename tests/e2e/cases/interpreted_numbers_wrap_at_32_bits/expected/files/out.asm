; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; -7
						; .
						; cr
						; 4294967295
						; .
						; cr
						; 2147483648
						; .
						; cr
						; 12345678901234
						; .
						; cr
						; 007
						; .
						; cr
						; -0
						; .
						; cr
						; 10
						; 20
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
