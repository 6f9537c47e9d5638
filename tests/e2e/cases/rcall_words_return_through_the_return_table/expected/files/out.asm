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
						; ::
;***************************************************
;!### RCALL Word: r1
_r1
	call __rcall_prologue
						; dup
	call _dup
						; exit
	goto __rcall_return
						; dup
	call _dup
						; ;
	goto __rcall_return
;***************************************************
;***************************************************
;!### FORTH Word: user
_user
						; r1
	movlw 0x0
	goto _r1
__RETNUM0x0
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: user2
_user2
						; r1
	movlw 0x1
	goto _r1
__RETNUM0x1
						; r1
	movlw 0x2
	goto _r1
__RETNUM0x2
						; ;
	return
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
; Return Table 
__return_table
	DATA __RETNUM0x0
	DATA __RETNUM0x1
	DATA __RETNUM0x2
; Interrupt Vector Table 
;***************************************************
	end
