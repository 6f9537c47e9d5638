; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; 8
;***************************************************
;!### Interrupt:  tick
_tick
	call _INTERRUPT_ENTER
						; 1000
	movlw 0xe8
	call _push_byte_literal
	movlw 0x3
	movwf THIGH
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: later
_later
						; 1000
	movlw 0xe8
	call _push_byte_literal
	movlw 0x3
	movwf THIGH
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
	org 0x8
	movpf ALUSTA, ALUSTA_SAVE
	movpf BSR, BSR_SAVE
	gprbank BANKSTACKS
	incf RSP, F
	bsf ALUSTA, FS0     ;  set for post auto increment RSP
	bcf ALUSTA, FS1     ;             //
	movfp PCLATH, RSTACK
	goto  _tick
;***************************************************
	end
