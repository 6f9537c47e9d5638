	include "kcomp.inc"
; internal.inc
_pushtop
	call _unused1
	goto _commented
	return
;***************************************************
;!### FORTH Word: dup
_dup
	call _pushtop
						; ;
	return
;***************************************************
;***************************************************
;!### CODE  Word: c@
_cVX_QZX_
	movfp	INDF0,WREG
	goto _pushw
;***************************************************
;***************************************************
;!### FORTH Word: swap
_swap
						; dup
	call _dup
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: unused1
_unused1
						; unused2
	call _unused2
						; ;
	return
;***************************************************
						; unused2
;***************************************************
;!### RCALL Word: unused2
_unused2
	call __rcall_prologue
						; unused3
	call _unused3
						; ;
	goto __rcall_return
;***************************************************
;***************************************************
;!### CODE  Word: unused3
_unused3
	movlw 0x1
	pushaddr _dup
;***************************************************
;***************************************************
;!### FORTH Word: countdown
_countdown
						; countdown
	call _countdown
						; swap
	call _swap
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: ping
_ping
						; pong
	call _pong
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: pong
_pong
						; leafA
	call _leafA
						; ping
						; ;
	goto _ping
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: leafA
_leafA
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: cap
_cap
						; ;
	return
;***************************************************
;***************************************************
;!### RCALL Word: emit
_emit
	call __rcall_prologue
						; dup
	call _dup
						; ;
	goto __rcall_return
;***************************************************
						; 0x10
;***************************************************
;!### Interrupt:  tick
_tick
	call _INTERRUPT_ENTER
						; dup
	call _dup
						; interrupt;
	goto _INTERRUPT_EXIT
;***************************************************
						; :zzz
;***************************************************
;!### SLEEP Word: nap
_nap
						; leafB
	call _leafB
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: leafB
_leafB
						; ;
	return
;***************************************************
						; 10
						; constant
;***************************************************
;!### FORTH Word: ten
_ten
	movlw 0xa
	goto _pushw
;***************************************************
;***************************************************
;!### FORTH Word: main
_main
						; dup
	call _dup
						; c@
	call _cVX_QZX_
	CALL _cap
						; ten
	call _ten
						; nap
	call _nap
	; call _commented
						; emit
	lcall _emit
						; countdown
	call _countdown
						; swap
						; ;
	goto _swap
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: commented
_commented
						; ;
	return
;***************************************************
; Literal Table 
__littab
	DATA 0xfffffffe
	call _cap
; Vector Table
	org 0x10
	goto  _tick
	goto _unused3
;***************************************************
	end
