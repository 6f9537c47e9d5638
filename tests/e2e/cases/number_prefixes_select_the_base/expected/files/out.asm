; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; $ff
						; .
						; cr
						; $-FF
						; .
						; cr
						; #-12
						; .
						; cr
						; %1010
						; .
						; cr
						; %-1
						; .
						; cr
						; 'a'
						; .
						; cr
						; '('
						; .
						; cr
						; char
						; .
						; cr
						; $ffffffff
						; .
						; cr
;***************************************************
;!### FORTH Word: t
_t
						; $7fff
	movlw 0x0
	call __fetch_lit
						; 'b'
	movlw 0x62
	call _push_byte_literal
						; #10
	movlw 0xa
	call _push_byte_literal
						; ;
	return
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
	DATA 0x7fff
; String Table 
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
