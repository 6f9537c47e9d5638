; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: case
_case
						; ."
	movlw low _string_0x1
	call _push_byte_literal
	movlw high _string_0x1
	movwf THIGH
	movlw 0x4
	call _str_type
						; ;
	return
;***************************************************
						; 100
						; constant
;***************************************************
;!### FORTH Word: max
_max
	movlw 0x64
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
;***************************************************
;!### FORTH Word: $ff
_DZff_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: recurse
_recurse
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; case
	call _case
						; max
	call _max
						; $ff
	call _DZff_QZX_
						; recurse
	call _recurse
						; $10
	movlw 0x10
	call _push_byte_literal
						; 'a'
	movlw 0x61
	call _push_byte_literal
						; ;
	return
;***************************************************
						; 7
						; max
						; .
						; .
						; cr
						; $ff
						; .
						; cr
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
_string_0x1
	DATA "mine"
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
