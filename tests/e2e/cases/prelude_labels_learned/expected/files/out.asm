; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc with labels of its own
_helper
	call _called
	return
;***************************************************
;!### FORTH Word: _k_start
__k_start_1_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: shown
_shown_1_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: helper
_helper_1_QZX_
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: called
_called
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: KPLAIN
_KPLAIN
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: _KPLAIN
__KPLAIN
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
