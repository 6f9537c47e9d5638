; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: dup
_dup
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
						; -2
						; constant
;***************************************************
;!### FORTH Word: m2
_m2
	movlw 0x0
	goto __fetch_lit
;***************************************************
						; 0
						; constant
;***************************************************
;!### FORTH Word: zero
_zero
	goto _false
	; Tail-call optimisation, return is deferred.
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; five
	call _five
						; cinq
	call _five
						; 5
	call _five
						; m2
	call _m2
						; 65534
	movlw 0x1
	call __fetch_lit
						; 0
	goto _zero
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: u
_u
						; 5
	goto _five
						; ;
	; Deferred return.
;***************************************************
						; five
						; cinq
						; +
						; .
						; cr
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0xfffffffe
	DATA 0xfffe
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
