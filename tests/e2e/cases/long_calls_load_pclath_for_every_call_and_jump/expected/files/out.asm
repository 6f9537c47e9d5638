; Start of the stack area.
RSTACKORG  equ 0x46
; Calls and jumps reach the whole program memory (kcomp -l).
KLONGCALLS  equ 1
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: 2>r
_2TXr_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: drop
_drop
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: 2drop
_2drop
						; ;
	return
;***************************************************
						; variable
_v_PTR	equ	0x26
;***************************************************
;!### FORTH Word: v
_v
	movlw high _push_byte_literal
	movwf PCLATH
	movlw 0x26
	lcall _push_byte_literal
	return
;***************************************************
						; 4660
						; constant
;***************************************************
;!### FORTH Word: big
_big
	movlw high __fetch_lit
	movwf PCLATH
	movlw 0x0
	lcall __fetch_lit
	return
;***************************************************
;***************************************************
;!### FORTH Word: a
_a
						; 0
	movlw high _false
	movwf PCLATH
	lcall _false
						; 5
	movlw high _push_byte_literal
	movwf PCLATH
	movlw 0x5
	lcall _push_byte_literal
						; 300
	movlw high __fetch_lit
	movwf PCLATH
	movlw 0x1
	lcall __fetch_lit
						; v
	movlw high _v
	movwf PCLATH
	lcall _v
						; big
	lgoto _big
						; ;
	; Deferred return.
;***************************************************
						; ::
;***************************************************
;!### RCALL Word: r
_r
	movlw high __rcall_prologue
	movwf PCLATH
	movfp PRODL, WREG
	lcall __rcall_prologue
						; a
	movlw high _a
	movwf PCLATH
	lcall _a
						; ;
	lgoto __rcall_return
;***************************************************
;***************************************************
;!### FORTH Word: b
_b
						; if
	movlw high _if_internal
	movwf PCLATH
	lcall _if_internal
	lgotonz __endif0x0
						; a
	movlw high _a
	movwf PCLATH
	lcall _a
						; else
	lgoto __endif0x1
__endif0x0
						; r
	movlw 0x0
	movwf PRODL
	lgoto _r
__RETNUM0x0
						; then
__endif0x1
						; begin
__loop0x0
						; a
	movlw high _a
	movwf PCLATH
	lcall _a
						; while
	movlw high _if_internal
	movwf PCLATH
	lcall _if_internal
	lgotonz __endwhile0x1
						; a
	movlw high _a
	movwf PCLATH
	lcall _a
						; repeat
	lgoto __loop0x0
__endwhile0x1
						; begin
__loop0x2
						; a
	movlw high _a
	movwf PCLATH
	lcall _a
						; until
	movlw high _if_internal
	movwf PCLATH
	lcall _if_internal
	lgotonz __loop0x2
						; begin
__loop0x3
						; again
	lgoto __loop0x3
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: c
_c
						; 3
	movlw high _push_byte_literal
	movwf PCLATH
	movlw 0x3
	lcall _push_byte_literal
						; 0
	movlw high _false
	movwf PCLATH
	lcall _false
						; do
	movlw high _2TXr_QZX_
	movwf PCLATH
	lcall _2TXr_QZX_
__loop0x4
						; a
	movlw high _a
	movwf PCLATH
	lcall _a
						; leave
	movlw high _2rdrop
	movwf PCLATH
	lcall _2rdrop
	lgoto __leave0x4
						; unloop
	movlw high _2rdrop
	movwf PCLATH
	lcall _2rdrop
						; loop
	movlw high _limit_reached
	movwf PCLATH
	lcall _limit_reached
	lgotonz __loop0x4
__leave0x4
						; [']
	pushaddr _a
						; drop
	movlw high _drop
	movwf PCLATH
	lcall _drop
						; ."
	movlw high _push_byte_literal
	movwf PCLATH
	movlw low _string_0x1
	lcall _push_byte_literal
	movlw high _string_0x1
	movwf THIGH
	movlw high _str_type
	movwf PCLATH
	movlw 0x2
	lcall _str_type
						; s"
	movlw high _push_byte_literal
	movwf PCLATH
	movlw low _string_0x2
	lcall _push_byte_literal
	movlw high _string_0x2
	movwf THIGH
	movlw high _push_byte_literal
	movwf PCLATH
	movlw 0x2
	lcall _push_byte_literal
						; 2drop
	movlw high _2drop
	movwf PCLATH
	lcall _2drop
						; a
	lgoto _a
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### CODE  Word: k
_k

	call _poptop
	movlw 1
	kinpage0
;***************************************************
;***************************************************
;!### CODE  Word: m
_m

	lcall _x  ; goto and call in comments are fine
;***************************************************
;***************************************************
;!### FORTH Word: d
_d
						; [code]
; Embedded assembly language.

 GOTO _a
	kinpage0
; End embedded assembly.
						; r
	movlw 0x1
	movwf PRODL
	lgoto _r
__RETNUM0x1
						; exit
	return
						; ;
	return
;***************************************************
						; 16
;***************************************************
;!### Interrupt:  tick
_tick
	; The vector slot called _INTERRUPT_ENTER.
						; a
	movlw high _a
	movwf PCLATH
	lcall _a
						; interrupt;
	lgoto _INTERRUPT_EXIT
;***************************************************
						; 8
;***************************************************
;!### Interrupt:  pin
_pin
	; The vector slot called _INTERRUPT_ENTER.
						; a
	movlw high _a
	movwf PCLATH
	lcall _a
						; interrupt;
	lgoto _INTERRUPT_EXIT
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0x1234
	DATA 0x12c
; String Table 
_string_0x1
	DATA "hi"
_string_0x2
	DATA "yo"
; Return Table 
__return_table
	DATA __RETNUM0x0
	DATA __RETNUM0x1
; Interrupt Vector Table 
	org 0x10
	movpf ALUSTA, ALUSTA_SAVE
	movpf BSR, BSR_SAVE
	gprbank BANKSTACKS
	incf RSP, F
	bsf ALUSTA, FS0     ;  set for post auto increment RSP
	bcf ALUSTA, FS1     ;             //
	movfp PCLATH, RSTACK
	goto KVECSLOTS + 0x0
	org KVECSLOTS + 0x0
	call _INTERRUPT_ENTER
	lgoto _tick
	org 0x8
	movpf ALUSTA, ALUSTA_SAVE
	movpf BSR, BSR_SAVE
	gprbank BANKSTACKS
	incf RSP, F
	bsf ALUSTA, FS0     ;  set for post auto increment RSP
	bcf ALUSTA, FS1     ;             //
	movfp PCLATH, RSTACK
	goto KVECSLOTS + 0x5
	org KVECSLOTS + 0x5
	call _INTERRUPT_ENTER
	lgoto _pin
;***************************************************
	end
