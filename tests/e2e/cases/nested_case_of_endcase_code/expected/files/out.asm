; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: a
_a
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; case
						; 1
	movlw 0x1
	call _push_byte_literal
						; of
	call _of_internal
	tstfsz WREG
	goto __endif0x1
						; a
	call _a
						; endof
	goto __endif0x0
__endif0x1
						; 2
	movlw 0x2
	call _push_byte_literal
						; of
	call _of_internal
	tstfsz WREG
	goto __endif0x2
						; case
						; 3
	movlw 0x3
	call _push_byte_literal
						; of
	call _of_internal
	tstfsz WREG
	goto __endif0x4
						; endof
	goto __endif0x3
__endif0x4
						; endcase
	call _poptop
__endif0x3
						; endof
	goto __endif0x0
__endif0x2
						; a
	call _a
						; endcase
	call _poptop
__endif0x0
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: u
_u
						; case
						; endcase
	call _poptop
__endif0x5
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
