; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: foo
_foo
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: a
_a
						; foo
	goto _foo
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: b
_b
						; foo
	goto _foo
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: c
_c
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x0
						; foo
	goto _foo
						; exit
	; Deferred return.
						; then
__endif0x0
						; 1
	movlw 0x1
	call _push_byte_literal
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: d
_d
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x1
						; foo
	goto _foo
						; exit
	; Deferred return.
						; then
__endif0x1
						; foo
	goto _foo
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: e
_e
						; foo
	goto _foo
						; exit
	; Deferred return.
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: f
_f
						; 5
	movlw 0x5
	call _push_byte_literal
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
