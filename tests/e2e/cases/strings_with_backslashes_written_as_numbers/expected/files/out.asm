; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; ."
	movlw low _string_0x1
	call _push_byte_literal
	movlw high _string_0x1
	movwf THIGH
	movlw 0x7
	call _str_type
						; p."
	movlw low _string_0x2
	call _push_byte_literal
	movlw high _string_0x2
	movwf THIGH
	movlw 0x1
	call _str_type
						; s"
	movlw low _string_0x3
	call _push_byte_literal
	movlw high _string_0x3
	movwf THIGH
	movlw 0x7
	call _push_byte_literal
						; s"
	movlw low _string_0x4
	call _push_byte_literal
	movlw high _string_0x4
	movwf THIGH
	movlw 0xa
	call _push_byte_literal
						; ."
	movlw low _string_0x5
	call _push_byte_literal
	movlw high _string_0x5
	movwf THIGH
	movlw 0x0
	call _str_type
						; r."
	movlw	0x0
	call _romtype ;
						; r."
	movlw	0x1
	call _romtype ;
						; ;
	return
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
_string_0x1
	DATA 0x633a, 0x5c74, 0x656d, 0x7000
_string_0x2
	DATA 0x5c00
_string_0x3
	DATA "a;b 'c'"
_string_0x4
	DATA 0x7477, 0x6f0a, 0x6c69, 0x6e65, 0x735c
_string_0x5
	DATA ""
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
