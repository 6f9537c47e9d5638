\ core.f -- the KESTREL core word set for the PIC17C756A.
\
\ Load it first:   fload core.f   (kcomp -i <dir of this file> ...)
\
\ Stack effects: ( before -- after ) for the data stack, (R: ... ) for the
\ return stack.  n signed cell, u unsigned cell, x any cell, c character,
\ flag: 0 is false, true is -1 (all bits set).  d and ud are double
\ cells (two cells, the high one on top).  addr is a data address
\ (bank*256 + file address, as variables have); xt is a program address
\ as ['] leaves it; "pstr" is a program-memory string as s" leaves it.
\
\ The run-time conventions (THIGH:TLOW hold the top cell, FSR1 the data
\ stack, FSR0 the return stack, BSR = 0 between words, scratch KT0-KT5)
\ are described in kcomp.inc.  Code words below keep them: every one
\ returns with BSR = 0 and the FSR modes as it found them.
\
\ Not here, on purpose:
\   create/does> - not part of this small system.
\   <# # #s hold sign #> - pictured numeric output needs a buffer in RAM:
\            it is in pictured.f, which a program loads after this file.
\   str>srom, index>srom, rom_str_base - the words that program a string
\            ROM (kcomp -r) depend on the ROM hardware; see _romtype in
\            internal.inc for the layout that r." expects.

\ A program may define a word of any name that this file defines: its own
\ word then takes the name over (the words here keep using their own).
[library]

\ ---------------------------------------------------------------------
\ Stack
\ ---------------------------------------------------------------------

code dup
	; ( x -- x x )
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	return
endcode

code drop
	; ( x -- )
	goto	_poptop
endcode

code swap
	; ( x1 x2 -- x2 x1 )  uses KT0, KT1
	incfsz	FSR1, F
	incfsz	FSR1, F			; FSR1 -> low byte of x1
	movpf	INDF1, KT0
	movpf	INDF1, KT1		; x1 copied, FSR1 back
	incfsz	FSR1, F
	incfsz	FSR1, F
	movpf	TLOW, INDF1		; x2 goes below
	movpf	THIGH, INDF1
	movfp	KT0, TLOW		; x1 on top
	movfp	KT1, THIGH
	return
endcode

code over
	; ( x1 x2 -- x1 x2 x1 )  uses KT0, KT1
	incfsz	FSR1, F
	incfsz	FSR1, F			; FSR1 -> low byte of x1
	movpf	INDF1, KT0
	movpf	INDF1, KT1		; FSR1 back at the free byte
	movpf	TLOW, INDF1		; push x2
	movpf	THIGH, INDF1
	movfp	KT0, TLOW		; x1 on top
	movfp	KT1, THIGH
	return
endcode

code rot
	; ( x1 x2 x3 -- x2 x3 x1 )  uses KT0-KT3, W
	movlw	4
	addwf	FSR1, F			; FSR1 -> low byte of x1
	movpf	INDF1, KT0		; x1 low
	movpf	INDF1, KT1		; x1 high
	movpf	INDF1, KT2		; x2 low
	movpf	INDF1, KT3		; x2 high; FSR1 back at the free byte
	movlw	4
	addwf	FSR1, F
	movfp	KT2, INDF1		; x2 to the third place
	movfp	KT3, INDF1
	movpf	TLOW, INDF1		; x3 to the second place
	movpf	THIGH, INDF1
	movfp	KT0, TLOW		; x1 on top
	movfp	KT1, THIGH
	return
endcode

: -rot ( x1 x2 x3 -- x3 x1 x2 )  rot rot ;

code nip
	; ( x1 x2 -- x2 )
	incfsz	FSR1, F
	incfsz	FSR1, F
	return
endcode

: tuck ( x1 x2 -- x2 x1 x2 )  swap over ;

code ?dup
	; ( x -- 0 | x x )  duplicate x if it is not 0
	movfp	THIGH, WREG
	iorwf	TLOW, W
	btfsc	ALUSTA, Z
	return
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	return
endcode

: 2dup ( x1 x2 -- x1 x2 x1 x2 )  over over ;

code 2drop
	; ( x1 x2 -- )
	incfsz	FSR1, F
	incfsz	FSR1, F
	goto	_poptop
endcode

code depth
	; ( -- n )  number of cells on the data stack before n was pushed
	movfp	FSR1, WREG
	sublw	DSTACKORG		; W = DSTACKORG - FSR1 = 2 * depth
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movwf	TLOW
	bcf	ALUSTA, C
	rrcf	TLOW, F
	clrf	THIGH, F
	return
endcode

\ ---------------------------------------------------------------------
\ Return stack.  Calls do not use it (the processor keeps return
\ addresses in its own hardware stack), so >r ... r> may span calls.
\ DO keeps (R: limit index) with the index on top.
\ ---------------------------------------------------------------------

code >r
	; ( x -- ) (R: -- x )
	incfsz	RSP, F
	movpf	THIGH, RSTACK
	incfsz	RSP, F
	movpf	TLOW, RSTACK
	goto	_poptop
endcode

code r>
	; ( -- x ) (R: x -- )
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movfp	RSTACK, TLOW
	decfsz	RSP, F
	movfp	RSTACK, THIGH
	decfsz	RSP, F
	return
endcode

code r@
	; ( -- x ) (R: x -- x )
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movfp	RSTACK, TLOW
	decfsz	RSP, F
	movfp	RSTACK, THIGH
	incfsz	RSP, F
	movpf	TLOW, RSTACK		; rewrite: an interrupt may have used the
	return				; byte while RSP was below it
endcode

code rdrop
	; ( -- ) (R: x -- )
	decfsz	RSP, F
	decfsz	RSP, F
	return
endcode

code 2>r
	; ( x1 x2 -- ) (R: -- x1 x2 )  DO calls this with ( limit start )
	bsf	ALUSTA, FS2		; FSR1 post-increment for a moment
	incfsz	FSR1, F			; FSR1 -> high byte of x1
	incfsz	RSP, F
	movfp	INDF1, RSTACK		; x1 high
	incfsz	RSP, F
	movfp	INDF1, RSTACK		; x1 low
	bcf	ALUSTA, FS2
	decfsz	FSR1, F			; x1 consumed
	incfsz	RSP, F
	movpf	THIGH, RSTACK		; x2 high
	incfsz	RSP, F
	movpf	TLOW, RSTACK		; x2 low
	goto	_poptop
endcode

code 2r>
	; ( -- x1 x2 ) (R: x1 x2 -- )  uses KT0, KT1
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movpf	RSTACK, KT0		; x2 low
	decfsz	RSP, F
	movpf	RSTACK, KT1		; x2 high
	decfsz	RSP, F
	movfp	RSTACK, INDF1		; x1 low  -> second place
	decfsz	RSP, F
	movfp	RSTACK, INDF1		; x1 high
	decfsz	RSP, F
	movfp	KT0, TLOW
	movfp	KT1, THIGH
	return
endcode

code i
	; ( -- n ) (R: limit index -- limit index )  index of the innermost DO
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movfp	RSTACK, TLOW
	decfsz	RSP, F
	movfp	RSTACK, THIGH
	incfsz	RSP, F
	movpf	TLOW, RSTACK		; rewrite, as in r@
	return
endcode

code j
	; ( -- n ) (R: limit1 index1 limit2 index2 -- same )  index of the
	; next outer DO.  Runs with interrupts disabled while RSP is lowered.
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	KDI
	movlw	4
	subwf	RSP, F			; RSP -> low byte of index1
	movfp	RSTACK, TLOW
	decfsz	RSP, F
	movfp	RSTACK, THIGH
	movlw	5
	addwf	RSP, F
	KEI
	return
endcode

: 2swap ( x1 x2 x3 x4 -- x3 x4 x1 x2 )  rot >r rot r> ;

: 2over ( x1 x2 x3 x4 -- x1 x2 x3 x4 x1 x2 )  >r >r 2dup r> r> 2swap ;

code pick
	; ( xu ... x1 x0 u -- xu ... x1 x0 xu )  0 pick is dup, 1 pick is over.
	; Reads the cell through @ (the stacks lie in bank 0).  uses W
	bcf	ALUSTA, C
	rlcf	TLOW, W			; 2u
	addwf	FSR1, W
	addlw	1			; FSR1 + 2u + 1: high byte of xu
	movwf	TLOW
	clrf	THIGH, F
	goto	_VX_QZX_		; @
endcode

code roll
	; ( xu xu-1 ... x0 u -- xu-1 ... x0 xu )  move xu to the top: 0 roll
	; does nothing, 1 roll is swap, 2 roll is rot.  The u cells above xu
	; each move one place deeper, with interrupts disabled (about 18
	; cycles a cell).  uses KT0, PRODL, W
	KDI
	bcf	ALUSTA, C
	rlcf	TLOW, W			; 2u: bytes to move
	movwf	KT0
	addwf	FSR1, F
	incfsz	FSR1, F
	incfsz	FSR1, F			; FSR1 -> low byte of xu
	movfp	INDF1, TLOW
	movfp	INDF1, THIGH		; xu on top; FSR1 -> low byte of xu-1
	tstfsz	KT0
	goto	__c_roll_byte
	goto	__c_roll_done
__c_roll_byte:
	movfp	INDF1, PRODL		; a byte at p; FSR1 = p - 1
	movlw	3
	addwf	FSR1, F
	movpf	PRODL, INDF1		; to p + 2; FSR1 = p + 1
	decf	FSR1, F
	decf	FSR1, F			; p - 1: the next byte down
	decfsz	KT0, F
	goto	__c_roll_byte
__c_roll_done:
	incfsz	FSR1, F			; one cell fewer than before
	incfsz	FSR1, F
	KEI
	return
endcode

\ ---------------------------------------------------------------------
\ Arithmetic and logic (16 bits, wrapping)
\ ---------------------------------------------------------------------

code +
	; ( x1 x2 -- x1+x2 )
	incfsz	FSR1, F
	incfsz	FSR1, F			; FSR1 -> low byte of x1
	movfp	INDF1, WREG
	addwf	TLOW, F
	movfp	INDF1, WREG
	addwfc	THIGH, F
	incfsz	FSR1, F
	incfsz	FSR1, F			; x1 consumed
	return
endcode

code -
	; ( x1 x2 -- x1-x2 )
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	TLOW, WREG
	subwf	INDF1, W		; x1 low - x2 low
	movwf	TLOW
	movfp	THIGH, WREG
	subwfb	INDF1, W		; x1 high - x2 high - borrow
	movwf	THIGH
	incfsz	FSR1, F
	incfsz	FSR1, F
	return
endcode

code and
	; ( x1 x2 -- x1&x2 )
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, WREG
	andwf	TLOW, F
	movfp	INDF1, WREG
	andwf	THIGH, F
	incfsz	FSR1, F
	incfsz	FSR1, F
	return
endcode

code or
	; ( x1 x2 -- x1|x2 )
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, WREG
	iorwf	TLOW, F
	movfp	INDF1, WREG
	iorwf	THIGH, F
	incfsz	FSR1, F
	incfsz	FSR1, F
	return
endcode

code xor
	; ( x1 x2 -- x1^x2 )
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, WREG
	xorwf	TLOW, F
	movfp	INDF1, WREG
	xorwf	THIGH, F
	incfsz	FSR1, F
	incfsz	FSR1, F
	return
endcode

code invert
	; ( x -- ~x )
	comf	TLOW, F
	comf	THIGH, F
	return
endcode

code negate
	; ( n -- -n )
	comf	TLOW, F
	comf	THIGH, F
	infsnz	TLOW, F
	incf	THIGH, F
	return
endcode

code 1+
	; ( x -- x+1 )
	infsnz	TLOW, F
	incf	THIGH, F
	return
endcode

code 1-
	; ( x -- x-1 )
	movlw	1
	subwf	TLOW, F
	btfss	ALUSTA, C		; borrow?
	decf	THIGH, F
	return
endcode

code 2*
	; ( x -- x*2 )
	bcf	ALUSTA, C
	rlcf	TLOW, F
	rlcf	THIGH, F
	return
endcode

code 2/
	; ( n -- n/2 )  arithmetic shift right (rounds toward minus infinity)
	rlcf	THIGH, W		; C = sign bit
	rrcf	THIGH, F
	rrcf	TLOW, F
	return
endcode

code lshift
	; ( x u -- x<<u )  logical; u of 16 or more gives 0.  uses KT0
	movpf	TLOW, KT0
	tstfsz	THIGH
	setf	KT0, F			; u > 255: shift everything out
	call	_poptop
__c_lshift_next:
	tstfsz	KT0
	goto	__c_lshift_one
	return
__c_lshift_one:
	bcf	ALUSTA, C
	rlcf	TLOW, F
	rlcf	THIGH, F
	decf	KT0, F
	goto	__c_lshift_next
endcode

code rshift
	; ( x u -- x>>u )  logical; u of 16 or more gives 0.  uses KT0
	movpf	TLOW, KT0
	tstfsz	THIGH
	setf	KT0, F
	call	_poptop
__c_rshift_next:
	tstfsz	KT0
	goto	__c_rshift_one
	return
__c_rshift_one:
	bcf	ALUSTA, C
	rrcf	THIGH, F
	rrcf	TLOW, F
	decf	KT0, F
	goto	__c_rshift_next
endcode

code *
	; ( x1 x2 -- x1*x2 )  low 16 bits of the product.  uses KT0-KT2, PRODH:PRODL
	incfsz	FSR1, F
	incfsz	FSR1, F
	movpf	INDF1, KT0		; x1 low
	movpf	INDF1, KT1		; x1 high
	incfsz	FSR1, F
	incfsz	FSR1, F			; x1 consumed
	movfp	TLOW, WREG
	mulwf	KT1			; x2 low * x1 high
	movpf	PRODL, KT2
	movfp	THIGH, WREG
	mulwf	KT0			; x2 high * x1 low
	movfp	PRODL, WREG
	addwf	KT2, F
	movfp	TLOW, WREG
	mulwf	KT0			; x2 low * x1 low
	movfp	PRODL, TLOW
	movfp	PRODH, WREG
	addwf	KT2, W
	movwf	THIGH
	return
endcode

code u/mod
	; ( u1 u2 -- urem uquot )  unsigned division; u2 = 0 gives
	; quotient 0xFFFF and remainder u1.  uses KT0-KT4
	incfsz	FSR1, F
	incfsz	FSR1, F
	movpf	INDF1, KT0		; KT1:KT0 = dividend, becomes the quotient
	movpf	INDF1, KT1		; FSR1 back: u1's slot takes the remainder
	clrf	KT2, F			; KT3:KT2 = remainder
	clrf	KT3, F
	movlw	D'16'
	movwf	KT4
__c_udiv_step:
	bcf	ALUSTA, C
	rlcf	KT0, F
	rlcf	KT1, F
	rlcf	KT2, F
	rlcf	KT3, F
	btfsc	ALUSTA, C		; 17-bit remainder: larger than u2
	goto	__c_udiv_sub
	movfp	THIGH, WREG
	cpfsgt	KT3			; remainder high > u2 high?
	goto	__c_udiv_high_le
	goto	__c_udiv_sub
__c_udiv_high_le:
	cpfseq	KT3
	goto	__c_udiv_next		; remainder high < u2 high
	movfp	TLOW, WREG
	cpfslt	KT2			; remainder low < u2 low?
	goto	__c_udiv_sub
	goto	__c_udiv_next
__c_udiv_sub:
	movfp	TLOW, WREG
	subwf	KT2, F
	movfp	THIGH, WREG
	subwfb	KT3, F
	bsf	KT0, 0			; quotient bit
__c_udiv_next:
	decfsz	KT4, F
	goto	__c_udiv_step
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	KT2, INDF1		; remainder in the second place
	movfp	KT3, INDF1
	movfp	KT0, TLOW		; quotient on top
	movfp	KT1, THIGH
	return
endcode

code false
	; ( -- 0 )  (kcomp gives it a label of its own: _false is the
	; run-time's routine that pushes 0)
	goto	_false
endcode

code true
	; ( -- -1 )
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	setf	TLOW, F
	setf	THIGH, F
	return
endcode

\ ---------------------------------------------------------------------
\ Comparisons (flags are 0 or -1)
\ ---------------------------------------------------------------------

code =
	; ( x1 x2 -- flag )  true if x1 = x2
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, WREG
	xorwf	TLOW, F
	movfp	INDF1, WREG
	xorwf	THIGH, W
	iorwf	TLOW, W			; Z = equal
	incfsz	FSR1, F
	incfsz	FSR1, F
	clrf	TLOW, F
	btfsc	ALUSTA, Z
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code <>
	; ( x1 x2 -- flag )  true if x1 differs from x2
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, WREG
	xorwf	TLOW, F
	movfp	INDF1, WREG
	xorwf	THIGH, W
	iorwf	TLOW, W			; Z = equal
	incfsz	FSR1, F
	incfsz	FSR1, F
	clrf	TLOW, F
	btfss	ALUSTA, Z
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code <
	; ( n1 n2 -- flag )  true if n1 < n2 (signed)
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	TLOW, WREG
	subwf	INDF1, W		; n1 - n2, low byte
	movfp	THIGH, WREG
	subwfb	INDF1, W		; high byte: sign in bit 7, OV
	incfsz	FSR1, F
	incfsz	FSR1, F
	btfsc	ALUSTA, OV
	xorlw	0x80			; bit 7 = sign xor overflow = (n1 < n2)
	clrf	TLOW, F
	btfsc	WREG, 7
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code >
	; ( n1 n2 -- flag )  true if n1 > n2 (signed)
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, WREG
	subwf	TLOW, W			; n2 - n1, low byte
	movfp	INDF1, WREG
	subwfb	THIGH, W		; high byte: sign in bit 7, OV
	incfsz	FSR1, F
	incfsz	FSR1, F
	btfsc	ALUSTA, OV
	xorlw	0x80			; bit 7 = (n2 < n1)
	clrf	TLOW, F
	btfsc	WREG, 7
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code u<
	; ( u1 u2 -- flag )  true if u1 < u2 (unsigned)
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	TLOW, WREG
	subwf	INDF1, W		; u1 - u2
	movfp	THIGH, WREG
	subwfb	INDF1, W		; C = 0: borrow, u1 < u2
	incfsz	FSR1, F
	incfsz	FSR1, F
	clrf	TLOW, F
	btfss	ALUSTA, C
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code u>
	; ( u1 u2 -- flag )  true if u1 > u2 (unsigned)
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, WREG
	subwf	TLOW, W			; u2 - u1
	movfp	INDF1, WREG
	subwfb	THIGH, W		; C = 0: borrow, u2 < u1
	incfsz	FSR1, F
	incfsz	FSR1, F
	clrf	TLOW, F
	btfss	ALUSTA, C
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code 0=
	; ( x -- flag )  true if x = 0
	movfp	THIGH, WREG
	iorwf	TLOW, W
	clrf	TLOW, F
	btfsc	ALUSTA, Z
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code 0<>
	; ( x -- flag )  true if x is not 0
	movfp	THIGH, WREG
	iorwf	TLOW, W
	clrf	TLOW, F
	btfss	ALUSTA, Z
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code 0<
	; ( n -- flag )  true if n < 0
	clrf	TLOW, F
	btfsc	THIGH, 7
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code 0>
	; ( n -- flag )  true if n > 0
	movfp	THIGH, WREG
	iorwf	TLOW, W			; Z = zero
	clrf	TLOW, F
	btfsc	ALUSTA, Z
	goto	__c_0gt_done
	btfss	THIGH, 7
	setf	TLOW, F
__c_0gt_done:
	movfp	TLOW, THIGH
	return
endcode

: abs ( n -- |n| )  dup 0< if negate then ;

: min ( n1 n2 -- n )  2dup > if swap then drop ;

: max ( n1 n2 -- n )  2dup < if swap then drop ;

: within ( x lo hi -- flag )  over - >r - r> u< ;
\ true if lo <= x < hi, with the usual wrap-around for hi < lo

: /mod ( n1 n2 -- rem quot )
	\ signed division rounding toward zero; rem has the sign of n1
	2dup xor >r  over >r
	abs swap abs swap u/mod
	r> 0< if swap negate swap then
	r> 0< if negate then ;

: / ( n1 n2 -- quot )  /mod nip ;

: mod ( n1 n2 -- rem )  /mod drop ;

\ ---------------------------------------------------------------------
\ Mixed and double-cell arithmetic.  d is a signed double cell, ud an
\ unsigned one: two cells with the high cell on top (so "5 0" is the
\ double 5).  Division rounds toward zero (symmetric), as / and mod do;
\ fm/mod rounds toward minus infinity.  When a quotient does not fit in
\ one cell the results of um/mod, sm/rem, fm/mod, */ and */mod are not
\ meaningful.
\ ---------------------------------------------------------------------

code s>d
	; ( n -- d )  sign-extend n to a double cell
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	clrf	TLOW, F
	btfsc	THIGH, 7
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
endcode

code dnegate
	; ( d -- -d )  uses KT0, KT1
	incfsz	FSR1, F
	incfsz	FSR1, F			; FSR1 -> low byte of the low cell
	movpf	INDF1, KT0
	movpf	INDF1, KT1		; FSR1 back
	comf	KT0, F
	comf	KT1, F
	comf	TLOW, F
	comf	THIGH, F
	incf	KT0, F			; + 1, carried through all four bytes
	movlw	0
	addwfc	KT1, F
	addwfc	TLOW, F
	addwfc	THIGH, F
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	KT0, INDF1
	movfp	KT1, INDF1
	return
endcode

: dabs ( d -- ud )  dup 0< if dnegate then ;

code um*
	; ( u1 u2 -- ud )  the full 32-bit product.  uses KT0-KT5, PRODH:PRODL
	incfsz	FSR1, F
	incfsz	FSR1, F
	movpf	INDF1, KT0		; u1 low
	movpf	INDF1, KT1		; u1 high; FSR1 back
	movfp	TLOW, WREG
	mulwf	KT0			; low * low: bytes 0 and 1
	movpf	PRODL, KT2
	movpf	PRODH, KT3
	movfp	THIGH, WREG
	mulwf	KT1			; high * high: bytes 2 and 3
	movpf	PRODL, KT4
	movpf	PRODH, KT5
	movfp	TLOW, WREG
	mulwf	KT1			; u2 low * u1 high: bytes 1 and 2
	movfp	PRODL, WREG
	addwf	KT3, F
	movfp	PRODH, WREG
	addwfc	KT4, F
	movlw	0
	addwfc	KT5, F
	movfp	THIGH, WREG
	mulwf	KT0			; u2 high * u1 low: bytes 1 and 2
	movfp	PRODL, WREG
	addwf	KT3, F
	movfp	PRODH, WREG
	addwfc	KT4, F
	movlw	0
	addwfc	KT5, F
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	KT2, INDF1		; low cell in the second place
	movfp	KT3, INDF1
	movfp	KT4, TLOW		; high cell on top
	movfp	KT5, THIGH
	return
endcode

: m* ( n1 n2 -- d )
	\ signed product: the unsigned one less n2 * 65536 when n1 < 0 and
	\ n1 * 65536 when n2 < 0
	2dup 0< and >r  2dup swap 0< and >r
	um* r> - r> - ;

code um/mod
	; ( ud u -- urem uquot )  divide ud by u.  u = 0 gives quotient
	; 0xFFFF and the low cell of ud as remainder.  uses KT0-KT4
	movlw	4
	addwf	FSR1, F			; FSR1 -> low byte of the low cell
	movpf	INDF1, KT0		; KT1:KT0 = low cell, becomes the quotient
	movpf	INDF1, KT1
	movpf	INDF1, KT2		; KT3:KT2 = high cell, the remainder
	movpf	INDF1, KT3		; FSR1 back
	movlw	D'16'
	movwf	KT4
__c_umdiv_step:
	bcf	ALUSTA, C
	rlcf	KT0, F
	rlcf	KT1, F
	rlcf	KT2, F
	rlcf	KT3, F
	btfsc	ALUSTA, C		; 17-bit remainder: larger than u
	goto	__c_umdiv_sub
	movfp	THIGH, WREG
	cpfsgt	KT3			; remainder high > u high?
	goto	__c_umdiv_high_le
	goto	__c_umdiv_sub
__c_umdiv_high_le:
	cpfseq	KT3
	goto	__c_umdiv_next		; remainder high < u high
	movfp	TLOW, WREG
	cpfslt	KT2			; remainder low < u low?
	goto	__c_umdiv_sub
	goto	__c_umdiv_next
__c_umdiv_sub:
	movfp	TLOW, WREG
	subwf	KT2, F
	movfp	THIGH, WREG
	subwfb	KT3, F
	bsf	KT0, 0			; quotient bit
__c_umdiv_next:
	decfsz	KT4, F
	goto	__c_umdiv_step
	movlw	4
	addwf	FSR1, F
	movfp	KT2, INDF1		; remainder in the second place
	movfp	KT3, INDF1		; FSR1: one cell fewer than before
	movfp	KT0, TLOW		; quotient on top
	movfp	KT1, THIGH
	return
endcode

: sm/rem ( d n -- rem quot )
	\ symmetric division: the quotient rounds toward zero, rem has the
	\ sign of d
	2dup xor >r  over >r
	abs >r dabs r> um/mod
	r> 0< if swap negate swap then
	r> 0< if negate then ;

: fm/mod ( d n -- rem quot )
	\ floored division: the quotient rounds toward minus infinity, rem
	\ has the sign of n
	dup >r sm/rem
	over dup 0<> swap r@ xor 0< and
	if 1- swap r> + swap else rdrop then ;

: */mod ( n1 n2 n3 -- rem quot )  >r m* r> sm/rem ;
\ n1 * n2 / n3 through a double-cell product, so that it cannot overflow

: */ ( n1 n2 n3 -- quot )  */mod nip ;

\ ---------------------------------------------------------------------
\ Memory.  addr = bank*256 + file address; a cell is stored high byte
\ first.  Accesses run with interrupts disabled for a few cycles, so a
\ cell read or written here is never torn by an interrupt handler.
\ With kcomp -os, "v @" and "v !" for a variable v in bank 0 (an address
\ below 256) do not call these words: they compile to two in-line byte
\ moves, and an interrupt can come between them.  Keep the cells that the
\ main program shares with a handler in banks 1 to 3, or access them
\ between di and ei.
\ ---------------------------------------------------------------------

code @
	; ( addr -- x )
	KPOINT
	movfp	INDF1, THIGH
	movfp	INDF1, TLOW
	KUNPOINT
	return
endcode

code !
	; ( x addr -- )  uses PRODH:PRODL
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, PRODL		; x low
	movfp	INDF1, PRODH		; x high
	incfsz	FSR1, F
	incfsz	FSR1, F			; x consumed
	KPOINT
	movpf	PRODH, INDF1
	movpf	PRODL, INDF1
	KUNPOINT
	goto	_poptop
endcode

code c@
	; ( addr -- c )
	KPOINT
	movfp	INDF1, TLOW
	clrf	THIGH, F
	KUNPOINT
	return
endcode

code c!
	; ( c addr -- )  stores the low byte of c.  uses PRODL
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, PRODL		; c low byte
	incfsz	FSR1, F			; c consumed
	KPOINT
	movpf	PRODL, INDF1
	KUNPOINT
	goto	_poptop
endcode

code +!
	; ( n addr -- )  add n to the cell at addr.  uses PRODH:PRODL
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, PRODL
	movfp	INDF1, PRODH
	incfsz	FSR1, F
	incfsz	FSR1, F			; n consumed
	KPOINT
	movfp	INDF1, THIGH		; the cell
	movfp	INDF1, TLOW
	movfp	PRODL, WREG
	addwf	TLOW, F
	movfp	PRODH, WREG
	addwfc	THIGH, F
	decfsz	FSR1, F
	decfsz	FSR1, F			; back to addr
	movpf	THIGH, INDF1
	movpf	TLOW, INDF1
	KUNPOINT
	goto	_poptop
endcode

: cells ( n -- 2n )  2* ;

: cell+ ( addr -- addr+2 )  1+ 1+ ;

: 2@ ( addr -- x1 x2 )  dup cell+ @ swap @ ;
\ x2 is the cell at addr, x1 the one after it

: 2! ( x1 x2 addr -- )  swap over ! cell+ ! ;

: fill ( addr u c -- )
	\ store c into u bytes from addr (the area must not cross a bank)
	swap ?dup if
		0 do 2dup swap i + c! loop
	then 2drop ;

: cmove ( addr1 addr2 u -- )
	\ copy u bytes from addr1 to addr2, lowest address first
	?dup if
		0 do over i + c@ over i + c! loop
	then 2drop ;

: cmove> ( addr1 addr2 u -- )
	\ copy u bytes from addr1 to addr2, highest address first
	begin dup while
		1- >r  over r@ + c@  over r@ + c!  r>
	repeat drop 2drop ;

: move ( addr1 addr2 u -- )
	\ copy u bytes from addr1 to addr2; the areas may overlap
	>r 2dup u< if r> cmove> else r> cmove then ;

: erase ( addr u -- )  0 fill ;
\ store 0 into u bytes from addr

\ Characters are bytes, and nothing needs alignment: char+ is 1+, and
\ chars, aligned and align change nothing.
: char+ ( addr -- addr+1 )  1+ ;

: chars ( n -- n )  ;

: aligned ( addr -- addr )  ;

: align ( -- )  ;

: count ( addr -- addr+1 u )  dup 1+ swap c@ ;
\ the text of a counted string: its first byte is the length

\ ---------------------------------------------------------------------
\ Execution and interrupts
\ ---------------------------------------------------------------------

code execute
	; ( i*x xt -- j*x )  run the routine at xt (from ['] name).  For words
	; defined with : or code; not for :: (RCALL) or interrupt words.
	; uses KT0
	movpf	THIGH, KT0
	movfp	TLOW, WREG
	call	_poptop			; keeps W
	movfp	KT0, PCLATH
	movwf	PCL			; jump; the routine returns to our caller
endcode

code ei
	; ( -- )  allow interrupts (clear GLINTD)
	bcf	CPUSTA, GLINTD
	return
endcode

code di
	; ( -- )  disable all interrupts (set GLINTD)
	bsf	CPUSTA, GLINTD
	return
endcode

code ms
	; ( u -- )  busy-wait about u milliseconds (at FOSC, see kcomp.inc;
	; interrupt handlers make it longer).  uses KT0-KT3
	movpf	TLOW, KT0
	movpf	THIGH, KT1
	call	_poptop
__c_ms_next:
	movfp	KT0, WREG
	iorwf	KT1, W
	btfsc	ALUSTA, Z
	return
	movlw	KMS_OUTER
	movwf	KT2
__c_ms_outer:
	movlw	KMS_INNER
	movwf	KT3
__c_ms_inner:
	decfsz	KT3, F
	goto	__c_ms_inner
	decfsz	KT2, F
	goto	__c_ms_outer
	movlw	1
	subwf	KT0, F
	btfss	ALUSTA, C
	decf	KT1, F
	goto	__c_ms_next
endcode

\ ---------------------------------------------------------------------
\ Character input and output on USART1 (set up by the start-up code:
\ asynchronous, 8 bits, BAUD from kcomp.inc)
\ ---------------------------------------------------------------------

code emit
	; ( c -- )  send c; waits while the transmitter is busy
	movfp	TLOW, WREG
	call	_poptop
	goto	__k_emit
endcode

code key
	; ( -- c )  wait for a received character
	btfss	RCSTA1, OERR		; after an overrun the receiver stops:
	goto	__c_key_wait
	bcf	RCSTA1, CREN		; restart it
	bsf	RCSTA1, CREN
__c_key_wait:
	movlb	1
	btfss	PIR1, RC1IF
	goto	__c_key_wait
	movlb	0
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movfp	RCREG1, TLOW
	clrf	THIGH, F
	return
endcode

code key?
	; ( -- flag )  true if a received character is waiting
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movlb	1
	clrf	TLOW, F
	btfsc	PIR1, RC1IF
	setf	TLOW, F
	movlb	0
	movfp	TLOW, THIGH
	return
endcode

code type
	; ( pstr u -- )  print u characters of a program-memory string
	; (the address and length that s" leaves; u < 256)
	movfp	TLOW, WREG
	call	_poptop			; keeps W
	goto	_str_type
endcode

32 constant bl ( -- 32 )

: cr ( -- )  13 emit 10 emit ;

: space ( -- )  bl emit ;

: spaces ( n -- )  begin dup 0> while space 1- repeat drop ;

: dtype ( addr u -- )
	\ print u characters from data memory at addr (what accept and #>
	\ leave; type prints program-memory strings)
	?dup if 0 do dup i + c@ emit loop then drop ;

: accept ( addr n1 -- n2 )
	\ read a line of at most n1 characters from USART1 into addr; n2 is
	\ its length.  CR (13) or LF (10) ends the line; neither is stored
	\ or echoed.  Backspace (8) or DEL (127) takes back the last
	\ character and erases it on the terminal (backspace, blank,
	\ backspace); with no character left it does nothing.  Every other
	\ character is stored and echoed while there is room, and else
	\ ignored.
	>r 0
	begin key dup 13 <> over 10 <> and while
		dup 8 = over 127 = or if
			drop dup if 1- 8 emit space 8 emit then
		else
			over r@ < if
				>r 2dup + r@ swap c! r> emit 1+
			else drop then
		then
	repeat drop nip rdrop ;

\ ---------------------------------------------------------------------
\ Numbers in the base that base holds (2 to 36; 10 at start-up).  The
\ base cell lives at the top of bank 0, above the stacks (KBASE in
\ kcomp.inc), so it costs no variable space.
\ ---------------------------------------------------------------------

code base
	; ( -- addr )  the cell that holds the number base
	movlw	KBASE
	goto	_push_byte_literal
endcode

: decimal ( -- )  10 base ! ;

: hex ( -- )  16 base ! ;

: >digit ( u -- c )  dup 9 > if 7 + then 48 + ;
\ the digit character of u (0 to 35): 0-9, then A-Z

: udigits ( u -- c1 ... ck k )
	\ the k digits of u in base, the most significant one (ck) on top
	0 >r
	begin
		base @ u/mod swap >digit swap
		r> 1+ >r
		dup 0=
	until
	drop r> ;

: emits ( c1 ... ck k -- )  0 do emit loop ;
\ print the k characters, ck (the top) first

: u.r ( u n -- )  >r udigits r> over - spaces emits ;
\ print u right-aligned in a field of n characters (wider if needed)

: .r ( n1 n2 -- )
	\ print n1 right-aligned in a field of n2 characters
	>r dup >r abs udigits
	r> 0< if 45 swap 1+ then
	r> over - spaces emits ;

: u. ( u -- )  0 u.r space ;
\ print u, then a space

: . ( n -- )  0 .r space ;
\ print n, then a space

: digit? ( c -- u flag )
	\ the value of the digit c; flag is true if it is a digit in base
	\ (0-9, then A-Z or a-z)
	dup 58 < if 48 - else 32 or 87 - dup 10 < if drop -1 then then
	dup base @ u< ;

: >number ( ud1 addr1 u1 -- ud2 addr2 u2 )
	\ add the digits of the u1 characters at addr1 to ud1 (ud2 = ud1 *
	\ base + digit, for each one), stopping at the first character that
	\ is not a digit in base: addr2 u2 are the characters left
	begin dup while
		over c@ digit? 0= if drop exit then
		>r 2swap
		base @ * swap base @ um* rot +
		swap r@ + swap over r> u< -
		2swap 1- swap 1+ swap
	repeat ;

: hdigit ( u -- )  15 and dup 9 > if 7 + then 48 + emit ;
\ print the low 4 bits of u as one hexadecimal digit

: h. ( u -- )
	\ print u as four hexadecimal digits, then a space
	dup 12 rshift hdigit  dup 8 rshift hdigit
	dup 4 rshift hdigit  hdigit space ;

: ? ( addr -- )  @ . ;
