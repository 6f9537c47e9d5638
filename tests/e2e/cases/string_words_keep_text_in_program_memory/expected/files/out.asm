; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; s"
	movlw low _string_0x1
	call _push_byte_literal
	movlw high _string_0x1
	movwf THIGH
	movlw 0x3
	call _push_byte_literal
						; s"
	movlw low _string_0x2
	call _push_byte_literal
	movlw high _string_0x2
	movwf THIGH
	movlw 0x0
	call _push_byte_literal
						; p."
	movlw low _string_0x3
	call _push_byte_literal
	movlw high _string_0x3
	movwf THIGH
	movlw 0x8
	call _str_type
						; ."
	movlw low _string_0x4
	call _push_byte_literal
	movlw high _string_0x4
	movwf THIGH
	movlw 0xb
	call _str_type
						; s"
	movlw low _string_0x5
	call _push_byte_literal
	movlw high _string_0x5
	movwf THIGH
	movlw 0x9
	call _push_byte_literal
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: u
_u
						; [char]
	movlw 0x41
	call _push_byte_literal
						; [char]
	movlw 0x37
	call _push_byte_literal
						; ;
	return
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
_string_0x1
	DATA "abc"
_string_0x2
	DATA ""
_string_0x3
	DATA "hi there"
_string_0x4
	DATA "two  blanks"
_string_0x5
	DATA "next line"
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
