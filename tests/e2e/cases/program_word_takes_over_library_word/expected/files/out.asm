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
						; 6
						; constant
;***************************************************
;!### FORTH Word: five
_five_1_QZX_
	movlw 0x6
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v_1_QZX__PTR	equ	0x28
;***************************************************
;!### FORTH Word: v
_v_1_QZX_
	movlw 0x28
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; 5
						; constant
; cinq aliased to five
;***************************************************
;!### FORTH Word: main
_main
						; twice
	call _twice_1_QZX_
						; quad
	call _quad
						; five
	call _five_1_QZX_
						; cinq
	call _five
						; v
	call _v_1_QZX_
						; 5
	call _five
						; 6
	goto _five_1_QZX_
						; ;
	; Deferred return.
;***************************************************
; End of file: main.f.
; Literal Table 
__literal_table 
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
