; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: q
_q
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: "
_BZ_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: cccccccccccZ"
_cccccccccccZBZ_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; s"
	movlw low _string_0x1
	call _push_byte_literal
	movlw high _string_0x1
	movwf THIGH
	movlw 0x9d
	call _push_byte_literal
						; s"
	movlw low _string_0x2
	call _push_byte_literal
	movlw high _string_0x2
	movwf THIGH
	movlw 0x9e
	call _push_byte_literal
						; "
	call _BZ_QZX_
						; q
	call _q
						; s"
	movlw low _string_0x3
	call _push_byte_literal
	movlw high _string_0x3
	movwf THIGH
	movlw 0x9e
	call _push_byte_literal
						; cccccccccccZ"
	goto _cccccccccccZBZ_QZX_
						; ;
	; Deferred return.
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
_string_0x1
	DATA "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaZ"
_string_0x2
	DATA "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbZ"
_string_0x3
	DATA "cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc"
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
