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
;***************************************************
;!### FORTH Word: c@
_cVX_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: c!
_cAZ_QZX_
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
						; 255
						; constant
;***************************************************
;!### FORTH Word: top
_top
	movlw 0xff
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; 256
						; constant
;***************************************************
;!### FORTH Word: reg256
_reg256
	movlw 0x0
	call _push_byte_literal
	movlw 0x1
	goto _movwf_thigh
	; Tail-call optimisation, return is deferred.
;***************************************************
						; -1
						; constant
;***************************************************
;!### FORTH Word: minus
_minus
	movlw 0xff
	call _push_byte_literal
	movlw 0xff
	goto _movwf_thigh
	; Tail-call optimisation, return is deferred.
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; v
						; @
	call _pushtop
	movfp 0x26, THIGH
	movfp 0x27, TLOW
						; v
						; !
	movpf THIGH, 0x26
	movpf TLOW, 0x27
	call _poptop
						; v
						; c@
	call _pushtop
	movfp 0x26, TLOW
	clrf THIGH, F
						; v
						; C!
	movpf TLOW, 0x26
	call _poptop
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: u
_u
						; top
						; @
	call _pushtop
	movfp 0xff, THIGH
	movfp 0x0, TLOW
						; reg256
	call _reg256
						; @
	call _VX_QZX_
						; minus
	call _minus
						; !
	goto _AZ_QZX_
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: w
_w
						; 38
						; @
	call _pushtop
	movfp 0x26, THIGH
	movfp 0x27, TLOW
						; v
						; @
	call _pushtop
	movfp 0x26, THIGH
	movfp 0x27, TLOW
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: x
_x
						; v
	goto _v
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
