; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; fload
; Processing file: inc.f.
;***************************************************
;!### FORTH Word: ok
_ok
						; ;
	return
;***************************************************
; End of file: inc.f.
