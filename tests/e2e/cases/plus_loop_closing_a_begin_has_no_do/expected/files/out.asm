; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: 2>r
_2TXr_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; do
	call _2TXr_QZX_
__loop0x0
						; begin
__loop0x1
						; +loop
