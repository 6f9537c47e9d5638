; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; 0
	call _false
						; 255
	movlw 0xff
	call _push_byte_literal
						; 256
	movlw 0x0
	call __fetch_lit
						; 256
	movlw 0x0
	call __fetch_lit
						; -1
	movlw 0x1
	call __fetch_lit
						; 65535
	movlw 0x2
	call __fetch_lit
						; -32768
	movlw 0x3
	call __fetch_lit
						; 4660
	movlw 0x4
	call __fetch_lit
						; 1
	movlw 0x1
	call _push_byte_literal
						; ;
	return
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0x100
	DATA 0xffffffff
	DATA 0xffff
	DATA 0xffff8000
	DATA 0x1234
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
