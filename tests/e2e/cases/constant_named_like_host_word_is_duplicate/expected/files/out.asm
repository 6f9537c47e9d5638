; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; 7
						; constant
;***************************************************
;!### FORTH Word: cr
_cr
	movlw 0x7
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
