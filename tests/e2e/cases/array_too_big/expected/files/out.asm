; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; 224
						; array
;0xe0 bytes allocated to array.
_ok1_PTR	equ	0x120
;***************************************************
;!### FORTH Word: ok1
_ok1
	movlw 0x0
	goto __fetch_lit
;***************************************************
						; 225
						; array
;0xe1 bytes allocated to array.
