; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: @
_VX_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: !
_AZ_QZX_
						; ;
	return
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
;!### FORTH Word: t
_t
						; v
	call _v
						; @
	call _VX_QZX_
						; v
	call _v
						; !
	goto _AZ_QZX_
						; ;
	; Deferred return.
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
