; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x0
						; endcase
