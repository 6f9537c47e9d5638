; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; fload
; Processing file: lib.f.
;***************************************************
;!### FORTH Word: early
_early
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: twice
_twice
						; early
	call _early
						; early
	goto _early
						; ;
	; Deferred return.
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
						; variable
_v_PTR	equ	0x26
;***************************************************
;!### FORTH Word: v
_v
	movlw 0x26
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
;***************************************************
;!### FORTH Word: quad
_quad
						; twice
	call _twice
						; twice
	goto _twice
						; ;
	; Deferred return.
;***************************************************
; End of file: lib.f.
;***************************************************
;!### FORTH Word: twice
_twice_1_QZX_
						; early
	goto _early
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: quad
_quad_1_QZX_
						; early
	goto _early
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: twice
