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
;!### FORTH Word: b
_b
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: 2>r
_2TXr_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t1
_t1
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x0
						; a
	call _a
						; then
__endif0x0
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t2
_t2
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x1
						; a
	call _a
						; else
	goto __endif0x2
__endif0x1
						; b
	call _b
						; then
__endif0x2
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t3
_t3
						; begin
__loop0x0
						; a
	call _a
						; while
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto  __endwhile0x1
						; b
	call _b
						; repeat
	goto __loop0x0
__endwhile0x1
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t4
_t4
						; begin
__loop0x2
						; a
	call _a
						; until
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __loop0x2
						; begin
__loop0x3
						; b
	call _b
						; again
	goto __loop0x3
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t5
_t5
						; do
	call _2TXr_QZX_
__loop0x4
						; a
	call _a
						; leave
	call _2rdrop
	goto __leave0x4
						; b
	call _b
						; loop
	call _limit_reached
	tstfsz WREG
	goto __loop0x4
__leave0x4
						; unloop
	call _2rdrop
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t6
_t6
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x3
						; do
	call _2TXr_QZX_
__loop0x5
						; begin
__loop0x6
						; a
	call _a
						; while
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto  __endwhile0x7
						; leave
	call _2rdrop
	goto __leave0x5
						; repeat
	goto __loop0x6
__endwhile0x7
						; loop
	call _limit_reached
	tstfsz WREG
	goto __loop0x5
__leave0x5
						; then
__endif0x3
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
