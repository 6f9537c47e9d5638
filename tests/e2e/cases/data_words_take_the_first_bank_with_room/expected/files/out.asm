; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; variable
_v0_PTR	equ	0x26
;***************************************************
;!### FORTH Word: v0
_v0
	movlw 0x26
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v1_PTR	equ	0x28
;***************************************************
;!### FORTH Word: v1
_v1
	movlw 0x28
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v2_PTR	equ	0x2a
;***************************************************
;!### FORTH Word: v2
_v2
	movlw 0x2a
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v3_PTR	equ	0x2c
;***************************************************
;!### FORTH Word: v3
_v3
	movlw 0x2c
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v4_PTR	equ	0x2e
;***************************************************
;!### FORTH Word: v4
_v4
	movlw 0x2e
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v5_PTR	equ	0x30
;***************************************************
;!### FORTH Word: v5
_v5
	movlw 0x30
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v6_PTR	equ	0x32
;***************************************************
;!### FORTH Word: v6
_v6
	movlw 0x32
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v7_PTR	equ	0x34
;***************************************************
;!### FORTH Word: v7
_v7
	movlw 0x34
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v8_PTR	equ	0x36
;***************************************************
;!### FORTH Word: v8
_v8
	movlw 0x36
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v9_PTR	equ	0x38
;***************************************************
;!### FORTH Word: v9
_v9
	movlw 0x38
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v10_PTR	equ	0x3a
;***************************************************
;!### FORTH Word: v10
_v10
	movlw 0x3a
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v11_PTR	equ	0x3c
;***************************************************
;!### FORTH Word: v11
_v11
	movlw 0x3c
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v12_PTR	equ	0x3e
;***************************************************
;!### FORTH Word: v12
_v12
	movlw 0x3e
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v13_PTR	equ	0x40
;***************************************************
;!### FORTH Word: v13
_v13
	movlw 0x40
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_v14_PTR	equ	0x42
;***************************************************
;!### FORTH Word: v14
_v14
	movlw 0x42
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; 2variable
_two_PTR	equ	0x120
;***************************************************
;!### FORTH Word: two
_two
	movlw 0x0
	goto __fetch_lit
;***************************************************
						; variable
_after_PTR	equ	0x44
;***************************************************
;!### FORTH Word: after
_after
	movlw 0x44
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; cvariable
_c1_PTR	equ	0x124
;***************************************************
;!### FORTH Word: c1
_c1
	movlw 0x1
	goto __fetch_lit
;***************************************************
						; 10
						; cells
						; array
;0x14 bytes allocated to array.
_buf_PTR	equ	0x125
;***************************************************
;!### FORTH Word: buf
_buf
	movlw 0x2
	goto __fetch_lit
;***************************************************
						; 0
						; array
;0x0 bytes allocated to array.
_empty_PTR	equ	0x46
;***************************************************
;!### FORTH Word: empty
_empty
	movlw 0x46
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
						; variable
_same_PTR	equ	0x139
;***************************************************
;!### FORTH Word: same
_same
	movlw 0x3
	goto __fetch_lit
;***************************************************
						; 38
						; constant
; k38 aliased to v0
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0x120
	DATA 0x124
	DATA 0x125
	DATA 0x139
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
