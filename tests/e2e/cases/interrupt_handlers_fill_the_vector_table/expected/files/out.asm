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
						; 8
;***************************************************
;!### Interrupt:  tick
_tick
	call _INTERRUPT_ENTER
						; a
	call _a
						; 1000
	movlw 0xe8
	call _push_byte_literal
	movlw 0x3
	movwf THIGH
						; a
	call _a
						; interrupt;
	goto _INTERRUPT_EXIT
;***************************************************
;***************************************************
;!### FORTH Word: later
_later
						; 1000
	movlw 0x0
	call __fetch_lit
						; ;
	return
;***************************************************
						; 16
;***************************************************
;!### Interrupt:  TMR0
_TMR0
	call _INTERRUPT_ENTER
						; interrupt;
	goto _INTERRUPT_EXIT
;***************************************************
						; 16
;***************************************************
;!### Interrupt:  second
_second
	call _INTERRUPT_ENTER
						; interrupt;
	goto _INTERRUPT_EXIT
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0x3e8
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
	org 0x10
	movpf ALUSTA, ALUSTA_SAVE
	movpf BSR, BSR_SAVE
	gprbank BANKSTACKS
	incf RSP, F
	bsf ALUSTA, FS0     ;  set for post auto increment RSP
	bcf ALUSTA, FS1     ;             //
	movfp PCLATH, RSTACK
	goto  _TMR0
	org 0x10
	movpf ALUSTA, ALUSTA_SAVE
	movpf BSR, BSR_SAVE
	gprbank BANKSTACKS
	incf RSP, F
	bsf ALUSTA, FS0     ;  set for post auto increment RSP
	bcf ALUSTA, FS1     ;             //
	movfp PCLATH, RSTACK
	goto  _second
;***************************************************
	end
