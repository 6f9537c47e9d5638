; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; case
						; 1
	movlw 0x1
	call _push_byte_literal
						; of
	call _of_internal
	tstfsz WREG
	goto __endif0x1
						; endof
	goto __endif0x0
__endif0x1
						; ;
