; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: Blink
_Blink
						; ;
	return
;***************************************************
						; 5
						; constant
;***************************************************
;!### FORTH Word: five
_five
	movlw 0x5
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; 5
						; constant
; cinq aliased to five
;***************************************************
;!### FORTH Word: t
_t
						; [']
	pushaddr _Blink
						; [']
	pushaddr _if
						; [']
	pushaddr _five
						; [']
	pushaddr _Blink
						; ;
	return
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
