; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: dup
_dup
						; ;
	return
;***************************************************
						; :zzz
;***************************************************
;!### SLEEP Word: nap
_nap
						; dup
	goto _dup
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: awake
_awake
						; dup
	goto _dup
						; ;
	; Deferred return.
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
