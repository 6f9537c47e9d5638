; Start of the stack area.
RSTACKORG  equ 0x46
; Calls and jumps reach the whole program memory (kcomp -l).
KLONGCALLS  equ 1
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; 8
;***************************************************
;!### Interrupt:  i1
_i1
	; The vector slot called _INTERRUPT_ENTER.
						; interrupt;
	lgoto _INTERRUPT_EXIT
;***************************************************
						; 16
;***************************************************
;!### Interrupt:  i2
_i2
	; The vector slot called _INTERRUPT_ENTER.
						; interrupt;
	lgoto _INTERRUPT_EXIT
;***************************************************
						; 24
;***************************************************
;!### Interrupt:  i3
_i3
	; The vector slot called _INTERRUPT_ENTER.
						; interrupt;
	lgoto _INTERRUPT_EXIT
;***************************************************
						; 32
;***************************************************
;!### Interrupt:  i4
_i4
	; The vector slot called _INTERRUPT_ENTER.
						; interrupt;
	lgoto _INTERRUPT_EXIT
;***************************************************
						; 32
;***************************************************
;!### Interrupt:  i5
_i5
