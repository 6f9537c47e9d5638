\ assembler_warning.f -- a program that assembles, but with a gpasm
\ warning (202: the literal does not fit 8 bits).  The test that takes it
\ through the tool chain is expected to fail: it shows that the checker
\ catches assembler warnings at all.

fload core.f

code wide-literal
	; ( -- )
	movlw	0x1ff
	return
endcode

: main ( -- )  wide-literal ;
