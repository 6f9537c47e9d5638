; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; 8
;***************************************************
;!### Interrupt:  tick
_tick
	call _INTERRUPT_ENTER
						; begin
__loop0x0
						; interrupt;
