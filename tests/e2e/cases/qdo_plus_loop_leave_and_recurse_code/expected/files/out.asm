; Start of the stack area.
RSTACKORG  equ 0x46
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
;!### FORTH Word: a
_a
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t1
_t1
						; ?do
	call _qdo_internal
	tstfsz WREG
	goto __leave0x0
	call _2TXr_QZX_
__loop0x0
						; a
	call _a
						; leave
	call _2rdrop
	goto __leave0x0
						; a
	call _a
						; loop
	call _limit_reached
	tstfsz WREG
	goto __loop0x0
__leave0x0
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t2
_t2
						; do
	call _2TXr_QZX_
__loop0x1
						; begin
__loop0x2
						; a
	call _a
						; until
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __loop0x2
						; a
	call _a
						; -2
	movlw 0x0
	call __fetch_lit
						; +loop
	call _plus_limit_reached
	tstfsz WREG
	goto __loop0x1
__leave0x1
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t3
_t3
						; do
	call _2TXr_QZX_
__loop0x3
						; begin
__loop0x4
						; a
	call _a
						; while
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto  __endwhile0x5
						; leave
	call _2rdrop
	goto __leave0x3
						; repeat
	goto __loop0x4
__endwhile0x5
						; leave
	call _2rdrop
	goto __leave0x3
						; loop
	call _limit_reached
	tstfsz WREG
	goto __loop0x3
__leave0x3
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t4
_t4
						; a
	call _a
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x0
						; exit
	return
						; then
__endif0x0
						; recurse
	goto _t4
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: t5
_t5
						; recurse
	call _t5
						; a
	goto _a
						; ;
	; Deferred return.
;***************************************************
						; ::
;***************************************************
;!### RCALL Word: t6
_t6
	call __rcall_prologue
						; a
	call _a
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x1
						; recurse
	movlw 0x0
	goto _t6
__RETNUM0x0
						; then
__endif0x1
						; ;
	goto __rcall_return
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0xfffffffe
; String Table 
; Return Table 
__return_table
	DATA __RETNUM0x0
; Interrupt Vector Table 
;***************************************************
	end
