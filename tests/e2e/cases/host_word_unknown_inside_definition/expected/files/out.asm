; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; 1
	movlw 0x1
	call _push_byte_literal
						; 2
	movlw 0x2
	call _push_byte_literal
