; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: A
_A
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: B
_B
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
;!### FORTH Word: skip
_skip
						; begin
__loop0x0
						; again
	goto __loop0x0
						; begin
__loop0x1
						; again
	goto __loop0x1
						; begin
__loop0x2
						; again
	goto __loop0x2
						; begin
__loop0x3
						; again
	goto __loop0x3
						; begin
__loop0x4
						; again
	goto __loop0x4
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: t
_t
						; do
	call _2TXr_QZX_
__loop0x5
						; A
	call _A
						; leave
	call _2rdrop
	goto __leave0x5
						; B
	call _B
						; loop
	call _limit_reached
	tstfsz WREG
	goto __loop0x5
__leave0x5
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
