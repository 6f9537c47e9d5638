; Start of the stack area.
RSTACKORG  equ 0x46
	#include "lib/kcomp.inc"
;==========================================================================
; internal.inc -- KESTREL run-time prelude, part 2: the run-time routines.
; kcomp copies this file verbatim right after the include line of
; kcomp.inc, whose memory map, stack layout and invariants apply here.
; Never put "end" in this file.
;
; Stack effects are written ( before -- after ) for the data stack and
; (R: before -- after ) for the return stack; "top" is THIGH:TLOW.
; Labels of the run-time's own helpers start with "__k_".
;==========================================================================

;--------------------------------------------------------------------------
; Data-stack primitives
;--------------------------------------------------------------------------

; _pushtop ( x -- x x ): store the top cell below, so that a new top can be
; loaded into THIGH:TLOW.  THIGH:TLOW keep their value.
; Uses FSR1.  Keeps W and the flags.
_pushtop:
        movpf   TLOW, INDF1
        movpf   THIGH, INDF1
        return

; _poptop ( x1 x2 -- x1 ): drop the top cell; the second becomes the top.
; Uses FSR1.  Keeps W and the flags (incfsz never skips: FSR1 < 0xFF here).
_poptop:
        incfsz  FSR1, F
        incfsz  FSR1, F                 ; FSR1 -> low byte of the second cell
        movfp   INDF1, TLOW
        movfp   INDF1, THIGH            ; FSR1 back to the first free byte
        incfsz  FSR1, F
        incfsz  FSR1, F                 ; the cell is consumed
        return

; _false ( -- 0 ): push the cell 0.  Uses FSR1.  Keeps W and the flags.
_false:
        movpf   TLOW, INDF1
        movpf   THIGH, INDF1
        clrf    TLOW, F
        clrf    THIGH, F
        return

; _push_byte_literal ( -- u ), W = u: push W as a cell with high byte 0.
; Uses FSR1.  Keeps W and the flags.
_push_byte_literal:
        movpf   TLOW, INDF1
        movpf   THIGH, INDF1
        movwf   TLOW
        clrf    THIGH, F
        return

; _movwf_thigh ( x -- x' ): W -> THIGH (the high byte of a tail literal).
; Keeps W and the flags.
_movwf_thigh:
        movwf   THIGH
        return

; __fetch_lit ( -- x ), W = n: push entry n of __literal_table (16-bit
; DATA words, written by kcomp after the last routine).
; Uses FSR1, TBLPTRH:TBLPTRL and the table latch.  W and the flags change.
; Table reads in the run-time always use TABLRD with post-increment, so
; that the latch holds the word just below TBLPTR (the interrupt exit
; reloads it that way).
__fetch_lit:
        addlw   low __literal_table
        movwf   TBLPTRL
        movlw   high __literal_table
        btfsc   ALUSTA, C
        addlw   1
        movwf   TBLPTRH
        movpf   TLOW, INDF1
        movpf   THIGH, INDF1
        tablrd  0, 1, WREG              ; latch the entry
        tlrd    1, THIGH
        tlrd    0, TLOW
        return

;--------------------------------------------------------------------------
; Control flow
;--------------------------------------------------------------------------

; _if_internal ( flag -- ): W = 1 if flag was 0, else W = 0.  The compiled
; "tstfsz WREG" then skips the jump to the false branch when W = 0.
; Uses W, FSR1; the flags change.
_if_internal:
        movfp   THIGH, WREG
        iorwf   TLOW, W                 ; Z = (flag == 0)
        movlw   0
        btfsc   ALUSTA, Z
        movlw   1
        goto    _poptop                 ; keeps W

; _limit_reached ( -- ) (R: limit index -- limit index+1 | ):
; the end of a DO ... LOOP pass.  Adds 1 to the index; W = 1 while the
; index differs from the limit (loop again), else W = 0 with both loop
; parameters removed.  Uses KT0, KT1.
_limit_reached:
        movpf   RSTACK, KT0             ; index low
        decfsz  RSP, F
        movpf   RSTACK, KT1             ; index high
        decfsz  RSP, F                  ; RSP -> limit low; the index bytes
                                        ; above RSP live on in KT1:KT0
        infsnz  KT0, F                  ; index + 1
        incf    KT1, F
        movfp   KT0, WREG
        cpfseq  RSTACK                  ; limit low = index low?
        goto    __k_lr_again
        decfsz  RSP, F                  ; RSP -> limit high
        movfp   KT1, WREG
        cpfseq  RSTACK                  ; limit high = index high?
        goto    __k_lr_again1
        decfsz  RSP, F                  ; limit reached: parameters gone
        retlw   0
__k_lr_again1:
        incfsz  RSP, F                  ; put back the limit low byte (it
        movfp   KT0, RSTACK             ; equals the index low byte)
__k_lr_again:
        incfsz  RSP, F                  ; put back the new index
        movfp   KT1, RSTACK
        incfsz  RSP, F
        movfp   KT0, RSTACK
        retlw   1

; _2rdrop ( -- ) (R: x1 x2 -- ): drop two cells (the loop parameters).
; Keeps W and the flags.
_2rdrop:
        decfsz  RSP, F
        decfsz  RSP, F
        decfsz  RSP, F
        decfsz  RSP, F
        return

;--------------------------------------------------------------------------
; RCALL words.  A reference is "movlw n / goto _word / __RETNUMn"; the word
; begins with "call __rcall_prologue" and leaves by "goto __rcall_return".
;--------------------------------------------------------------------------

; __rcall_prologue (R: -- n), W = n: keep the caller's return number on
; the return stack.  Keeps W and the flags.
__rcall_prologue:
        incfsz  RSP, F
        movwf   RSTACK
        return

; __rcall_return (R: n -- ): continue at entry n of __return_table.
; Uses TBLPTRH:TBLPTRL, the table latch, PCLATH and W.  The data stack is
; untouched.
__rcall_return:
        movfp   RSTACK, WREG
        decfsz  RSP, F
        addlw   low __return_table
        movwf   TBLPTRL
        movlw   high __return_table
        btfsc   ALUSTA, C
        addlw   1
        movwf   TBLPTRH
        tablrd  0, 1, WREG              ; latch the return address
        tlrd    1, PCLATH
        tlrd    0, WREG
        movwf   PCL                     ; jump to PCLATH:W

;--------------------------------------------------------------------------
; Interrupts.  kcomp writes at each used vector:
;       movpf ALUSTA, ALUSTA_SAVE / movpf BSR, BSR_SAVE / gprbank BANKSTACKS
;       incf RSP, F / bsf ALUSTA, FS0 / bcf ALUSTA, FS1
;       movfp PCLATH, RSTACK / goto _handler
; so on entry to the handler RSP points one past the saved PCLATH (FSR0 in
; post-increment mode), GPR bank 0 is selected and GLINTD is set.  The
; handler begins with "call _INTERRUPT_ENTER" and ends with
; "goto _INTERRUPT_EXIT".  Interrupts do not nest.
;
; Saved on the return stack, above the stub's PCLATH byte, in this order:
; W, FSR1, THIGH, TLOW, PRODL, PRODH, TBLPTRL, TBLPTRH, KCPU, KFSR,
; KT0..KT5 (17 bytes with PCLATH).
;--------------------------------------------------------------------------

; _INTERRUPT_ENTER: finish the context save and set up the Forth
; invariants for the handler: BSR = 0, FSR modes, RSP on its top byte, and
; FSR1 lowered by DSGUARD (the handler's data stack starts below any byte
; the interrupted routine may still be reading).
_INTERRUPT_ENTER:
        movpf   WREG, RSTACK
        movpf   FSR1, RSTACK
        movpf   THIGH, RSTACK
        movpf   TLOW, RSTACK
        movpf   PRODL, RSTACK
        movpf   PRODH, RSTACK
        movpf   TBLPTRL, RSTACK
        movpf   TBLPTRH, RSTACK
        movpf   KCPU, RSTACK
        movpf   KFSR, RSTACK
        movfp   KT0, RSTACK
        movfp   KT1, RSTACK
        movfp   KT2, RSTACK
        movfp   KT3, RSTACK
        movfp   KT4, RSTACK
        movfp   KT5, RSTACK
        bsf     ALUSTA, FS1             ; FSR0: no automatic change
        bcf     ALUSTA, FS0
        decfsz  RSP, F                  ; RSP -> the last saved byte
        bcf     ALUSTA, FS2             ; FSR1: post-decrement
        bcf     ALUSTA, FS3
        movlb   0
        movlw   DSGUARD
        subwf   FSR1, F
        return

; _INTERRUPT_EXIT: restore everything _INTERRUPT_ENTER and the vector stub
; saved, drop the frame (RSP is back where the stub found it) and return
; from the interrupt.
_INTERRUPT_EXIT:
        bcf     ALUSTA, FS1             ; FSR0: post-decrement
        bcf     ALUSTA, FS0
        movpf   RSTACK, KT5
        movpf   RSTACK, KT4
        movpf   RSTACK, KT3
        movpf   RSTACK, KT2
        movpf   RSTACK, KT1
        movpf   RSTACK, KT0
        movfp   RSTACK, KFSR
        movfp   RSTACK, KCPU
        movfp   RSTACK, TBLPTRH
        movfp   RSTACK, TBLPTRL
        movfp   RSTACK, PRODH
        movfp   RSTACK, PRODL
        movfp   RSTACK, TLOW
        movfp   RSTACK, THIGH
        movfp   RSTACK, FSR1
        decf    TBLPTRL, F              ; reload the table latch from the
        btfss   ALUSTA, C               ; word below TBLPTR, in case the
        decf    TBLPTRH, F              ; handler read the program memory
        tablrd  0, 1, WREG              ; (TBLPTR ends as saved)
        movfp   RSTACK, WREG
        movfp   RSTACK, PCLATH          ; RSP as before the interrupt
        movfp   BSR_SAVE, BSR
        movfp   ALUSTA_SAVE, ALUSTA     ; also the FSR modes
        retfie

;--------------------------------------------------------------------------
; Character output and strings
;--------------------------------------------------------------------------

; __k_emit: send the character in W through USART1 (waits until the
; transmit register is free).  Keeps W; BSR ends as 0.
__k_emit:
        movlb   1
__k_emit_wait:
        btfss   PIR1, TX1IF
        goto    __k_emit_wait
        movlb   0
        movwf   TXREG1
        return

; _str_type ( addr -- ), W = length: print a program-memory string.  The
; string table packs two characters per 16-bit word, the first in the high
; byte (assembler DATA "text").  Uses KT0, TBLPTRH:TBLPTRL, the table
; latch.  W changes.
_str_type:
        movwf   KT0                     ; characters left
        movfp   TLOW, TBLPTRL
        movfp   THIGH, TBLPTRH
        call    _poptop
        tstfsz  KT0
        goto    __k_str_word
        return
__k_str_word:
        tablrd  0, 1, WREG              ; latch the next two characters
        tlrd    1, WREG
        call    __k_emit
        dcfsnz  KT0, F
        return
        tlrd    0, WREG
        call    __k_emit
        decfsz  KT0, F
        goto    __k_str_word
        return

; _romtype ( -- ), W = n: print ROM string number n.
; ROM strings (kcomp -r) live in memory reached by table reads (external
; program memory in extended microcontroller mode).  A ROM byte address b
; is program word b/2, high byte first for even b.  Each string is a count
; byte followed by its characters; the string index at byte address
; __string_index holds one 2-byte address per string, high byte first.
; __string_index comes from "strbase.inc", which kcomp writes in -r mode:
; assemble such programs with "gpasm -D ROMSTRINGS ...".  Without
; ROMSTRINGS there is no string ROM: _romtype then prints "?" instead.
; Uses KT0..KT4, TBLPTRH:TBLPTRL and the table latch.  W changes.
        ifdef   ROMSTRINGS
        #include "strbase.inc"
_romtype:
        movwf   KT0                     ; KT1:KT0 = __string_index + 2*n
        clrf    KT1, F
        bcf     ALUSTA, C
        rlcf    KT0, F
        rlcf    KT1, F
        movlw   low __string_index
        addwf   KT0, F
        movlw   high __string_index
        addwfc  KT1, F
        call    __k_romc                ; string address, high byte
        movwf   KT2
        call    __k_romc                ; low byte
        movwf   KT0
        movfp   KT2, WREG
        movwf   KT1
        call    __k_romc                ; the count
        movwf   KT4
__k_romtype_next:
        tstfsz  KT4
        goto    __k_romtype_char
        return
__k_romtype_char:
        call    __k_romc
        call    __k_emit
        decf    KT4, F
        goto    __k_romtype_next

; __k_romc: W = ROM byte at address KT1:KT0, then KT1:KT0 + 1.
__k_romc:
        bcf     ALUSTA, C
        rrcf    KT1, W
        movwf   TBLPTRH
        rrcf    KT0, W
        movwf   TBLPTRL
        tablrd  0, 1, WREG              ; latch the word
        tlrd    1, WREG                 ; even address: high byte
        btfsc   KT0, 0
        tlrd    0, WREG                 ; odd address: low byte
        infsnz  KT0, F
        incf    KT1, F
        return
        else
_romtype:
        movlw   '?'
        goto    __k_emit
        endif
						; fload
; Processing file: core.f.
;***************************************************
;!### CODE  Word: dup
_dup

	; ( x -- x x )
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	return
;***************************************************
;***************************************************
;!### CODE  Word: drop
_drop

	; ( x -- )
	goto	_poptop
;***************************************************
;***************************************************
;!### CODE  Word: swap
_swap

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
;***************************************************
;***************************************************
;!### CODE  Word: over
_over

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
;***************************************************
;***************************************************
;!### CODE  Word: rot
_rot

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
;***************************************************
;***************************************************
;!### FORTH Word: -rot
_MZrot_QZX_
						; rot
	call _rot
						; rot
	goto _rot
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### CODE  Word: nip
_nip

	; ( x1 x2 -- x2 )
	incfsz	FSR1, F
	incfsz	FSR1, F
	return
;***************************************************
;***************************************************
;!### FORTH Word: tuck
_tuck
						; swap
	call _swap
						; over
	goto _over
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### CODE  Word: ?dup
_UXdup_QZX_

	; ( x -- 0 | x x )  duplicate x if it is not 0
	movfp	THIGH, WREG
	iorwf	TLOW, W
	btfsc	ALUSTA, Z
	return
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	return
;***************************************************
;***************************************************
;!### FORTH Word: 2dup
_2dup
						; over
	call _over
						; over
	goto _over
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### CODE  Word: 2drop
_2drop

	; ( x1 x2 -- )
	incfsz	FSR1, F
	incfsz	FSR1, F
	goto	_poptop
;***************************************************
;***************************************************
;!### CODE  Word: depth
_depth

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
;***************************************************
;***************************************************
;!### CODE  Word: >r
_TXr_QZX_

	; ( x -- ) (R: -- x )
	incfsz	RSP, F
	movpf	THIGH, RSTACK
	incfsz	RSP, F
	movpf	TLOW, RSTACK
	goto	_poptop
;***************************************************
;***************************************************
;!### CODE  Word: r>
_rTX_QZX_

	; ( -- x ) (R: x -- )
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movfp	RSTACK, TLOW
	decfsz	RSP, F
	movfp	RSTACK, THIGH
	decfsz	RSP, F
	return
;***************************************************
;***************************************************
;!### CODE  Word: r@
_rVX_QZX_

	; ( -- x ) (R: x -- x )
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movfp	RSTACK, TLOW
	decfsz	RSP, F
	movfp	RSTACK, THIGH
	incfsz	RSP, F
	movpf	TLOW, RSTACK		; rewrite: an interrupt may have used the
	return				; byte while RSP was below it
;***************************************************
;***************************************************
;!### CODE  Word: rdrop
_rdrop

	; ( -- ) (R: x -- )
	decfsz	RSP, F
	decfsz	RSP, F
	return
;***************************************************
;***************************************************
;!### CODE  Word: 2>r
_2TXr_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: 2r>
_2rTX_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: i
_i

	; ( -- n ) (R: limit index -- limit index )  index of the innermost DO
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	movfp	RSTACK, TLOW
	decfsz	RSP, F
	movfp	RSTACK, THIGH
	incfsz	RSP, F
	movpf	TLOW, RSTACK		; rewrite, as in r@
	return
;***************************************************
;***************************************************
;!### CODE  Word: j
_j

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
;***************************************************
;***************************************************
;!### FORTH Word: 2swap
_2swap
						; rot
	call _rot
						; >r
	call _TXr_QZX_
						; rot
	call _rot
						; r>
	goto _rTX_QZX_
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: 2over
_2over
						; >r
	call _TXr_QZX_
						; >r
	call _TXr_QZX_
						; 2dup
	call _2dup
						; r>
	call _rTX_QZX_
						; r>
	call _rTX_QZX_
						; 2swap
	goto _2swap
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### CODE  Word: +
_KZ_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: -
_MZ_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: and
_and

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
;***************************************************
;***************************************************
;!### CODE  Word: or
_or

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
;***************************************************
;***************************************************
;!### CODE  Word: xor
_xor

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
;***************************************************
;***************************************************
;!### CODE  Word: invert
_invert

	; ( x -- ~x )
	comf	TLOW, F
	comf	THIGH, F
	return
;***************************************************
;***************************************************
;!### CODE  Word: negate
_negate

	; ( n -- -n )
	comf	TLOW, F
	comf	THIGH, F
	infsnz	TLOW, F
	incf	THIGH, F
	return
;***************************************************
;***************************************************
;!### CODE  Word: 1+
_1KZ_QZX_

	; ( x -- x+1 )
	infsnz	TLOW, F
	incf	THIGH, F
	return
;***************************************************
;***************************************************
;!### CODE  Word: 1-
_1MZ_QZX_

	; ( x -- x-1 )
	movlw	1
	subwf	TLOW, F
	btfss	ALUSTA, C		; borrow?
	decf	THIGH, F
	return
;***************************************************
;***************************************************
;!### CODE  Word: 2*
_2JZ_QZX_

	; ( x -- x*2 )
	bcf	ALUSTA, C
	rlcf	TLOW, F
	rlcf	THIGH, F
	return
;***************************************************
;***************************************************
;!### CODE  Word: 2/
_2OZ_QZX_

	; ( n -- n/2 )  arithmetic shift right (rounds toward minus infinity)
	rlcf	THIGH, W		; C = sign bit
	rrcf	THIGH, F
	rrcf	TLOW, F
	return
;***************************************************
;***************************************************
;!### CODE  Word: lshift
_lshift

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
;***************************************************
;***************************************************
;!### CODE  Word: rshift
_rshift

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
;***************************************************
;***************************************************
;!### CODE  Word: *
_JZ_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: u/mod
_uOZmod_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: true
_true

	; ( -- -1 )
	movpf	TLOW, INDF1
	movpf	THIGH, INDF1
	setf	TLOW, F
	setf	THIGH, F
	return
;***************************************************
;***************************************************
;!### CODE  Word: =
_SX_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: <>
_RXTX_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: <
_RX_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: >
_TX_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: u<
_uRX_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: u>
_uTX_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: 0=
_0SX_QZX_

	; ( x -- flag )  true if x = 0
	movfp	THIGH, WREG
	iorwf	TLOW, W
	clrf	TLOW, F
	btfsc	ALUSTA, Z
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
;***************************************************
;***************************************************
;!### CODE  Word: 0<>
_0RXTX_QZX_

	; ( x -- flag )  true if x is not 0
	movfp	THIGH, WREG
	iorwf	TLOW, W
	clrf	TLOW, F
	btfss	ALUSTA, Z
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
;***************************************************
;***************************************************
;!### CODE  Word: 0<
_0RX_QZX_

	; ( n -- flag )  true if n < 0
	clrf	TLOW, F
	btfsc	THIGH, 7
	setf	TLOW, F
	movfp	TLOW, THIGH
	return
;***************************************************
;***************************************************
;!### CODE  Word: 0>
_0TX_QZX_

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
;***************************************************
;***************************************************
;!### FORTH Word: abs
_abs
						; dup
	call _dup
						; 0<
	call _0RX_QZX_
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x0
						; negate
	call _negate
						; then
__endif0x0
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: min
_min
						; 2dup
	call _2dup
						; >
	call _TX_QZX_
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x1
						; swap
	call _swap
						; then
__endif0x1
						; drop
	goto _drop
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: max
_max
						; 2dup
	call _2dup
						; <
	call _RX_QZX_
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x2
						; swap
	call _swap
						; then
__endif0x2
						; drop
	goto _drop
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: within
_within
						; over
	call _over
						; -
	call _MZ_QZX_
						; >r
	call _TXr_QZX_
						; -
	call _MZ_QZX_
						; r>
	call _rTX_QZX_
						; u<
	goto _uRX_QZX_
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: /mod
_OZmod_QZX_
						; 2dup
	call _2dup
						; xor
	call _xor
						; >r
	call _TXr_QZX_
						; over
	call _over
						; >r
	call _TXr_QZX_
						; abs
	call _abs
						; swap
	call _swap
						; abs
	call _abs
						; swap
	call _swap
						; u/mod
	call _uOZmod_QZX_
						; r>
	call _rTX_QZX_
						; 0<
	call _0RX_QZX_
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x3
						; swap
	call _swap
						; negate
	call _negate
						; swap
	call _swap
						; then
__endif0x3
						; r>
	call _rTX_QZX_
						; 0<
	call _0RX_QZX_
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x4
						; negate
	call _negate
						; then
__endif0x4
						; ;
	return
;***************************************************
;***************************************************
;!### FORTH Word: /
_OZ_QZX_
						; /mod
	call _OZmod_QZX_
						; nip
	goto _nip
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: mod
_mod
						; /mod
	call _OZmod_QZX_
						; drop
	goto _drop
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### CODE  Word: @
_VX_QZX_

	; ( addr -- x )
	KPOINT
	movfp	INDF1, THIGH
	movfp	INDF1, TLOW
	KUNPOINT
	return
;***************************************************
;***************************************************
;!### CODE  Word: !
_AZ_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: c@
_cVX_QZX_

	; ( addr -- c )
	KPOINT
	movfp	INDF1, TLOW
	clrf	THIGH, F
	KUNPOINT
	return
;***************************************************
;***************************************************
;!### CODE  Word: c!
_cAZ_QZX_

	; ( c addr -- )  stores the low byte of c.  uses PRODL
	incfsz	FSR1, F
	incfsz	FSR1, F
	movfp	INDF1, PRODL		; c low byte
	incfsz	FSR1, F			; c consumed
	KPOINT
	movpf	PRODL, INDF1
	KUNPOINT
	goto	_poptop
;***************************************************
;***************************************************
;!### CODE  Word: +!
_KZAZ_QZX_

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
;***************************************************
;***************************************************
;!### FORTH Word: cells
_cells
						; 2*
	goto _2JZ_QZX_
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: cell+
_cellKZ_QZX_
						; 1+
	call _1KZ_QZX_
						; 1+
	goto _1KZ_QZX_
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: 2@
_2VX_QZX_
						; dup
	call _dup
						; cell+
	call _cellKZ_QZX_
						; @
	call _VX_QZX_
						; swap
	call _swap
						; @
	goto _VX_QZX_
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: 2!
_2AZ_QZX_
						; swap
	call _swap
						; over
	call _over
						; !
	call _AZ_QZX_
						; cell+
	call _cellKZ_QZX_
						; !
	goto _AZ_QZX_
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: fill
_fill
						; swap
	call _swap
						; ?dup
	call _UXdup_QZX_
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x5
						; 0
	call _false
						; do
	call _2TXr_QZX_
__loop0x0
						; 2dup
	call _2dup
						; swap
	call _swap
						; i
	call _i
						; +
	call _KZ_QZX_
						; c!
	call _cAZ_QZX_
						; loop
	call _limit_reached
	tstfsz WREG
	goto __loop0x0
__leave0x0
						; then
__endif0x5
						; 2drop
	goto _2drop
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: cmove
_cmove
						; ?dup
	call _UXdup_QZX_
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x6
						; 0
	call _false
						; do
	call _2TXr_QZX_
__loop0x1
						; over
	call _over
						; i
	call _i
						; +
	call _KZ_QZX_
						; c@
	call _cVX_QZX_
						; over
	call _over
						; i
	call _i
						; +
	call _KZ_QZX_
						; c!
	call _cAZ_QZX_
						; loop
	call _limit_reached
	tstfsz WREG
	goto __loop0x1
__leave0x1
						; then
__endif0x6
						; 2drop
	goto _2drop
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### CODE  Word: execute
_execute

	; ( i*x xt -- j*x )  run the routine at xt (from ['] name).  For words
	; defined with : or code; not for :: (RCALL) or interrupt words.
	; uses KT0
	movpf	THIGH, KT0
	movfp	TLOW, WREG
	call	_poptop			; keeps W
	movfp	KT0, PCLATH
	movwf	PCL			; jump; the routine returns to our caller
;***************************************************
;***************************************************
;!### CODE  Word: ei
_ei

	; ( -- )  allow interrupts (clear GLINTD)
	bcf	CPUSTA, GLINTD
	return
;***************************************************
;***************************************************
;!### CODE  Word: di
_di

	; ( -- )  disable all interrupts (set GLINTD)
	bsf	CPUSTA, GLINTD
	return
;***************************************************
;***************************************************
;!### CODE  Word: ms
_ms

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
;***************************************************
;***************************************************
;!### CODE  Word: emit
_emit

	; ( c -- )  send c; waits while the transmitter is busy
	movfp	TLOW, WREG
	call	_poptop
	goto	__k_emit
;***************************************************
;***************************************************
;!### CODE  Word: key
_key

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
;***************************************************
;***************************************************
;!### CODE  Word: key?
_keyUX_QZX_

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
;***************************************************
;***************************************************
;!### CODE  Word: type
_type

	; ( pstr u -- )  print u characters of a program-memory string
	; (the address and length that s" leaves; u < 256)
	movfp	TLOW, WREG
	call	_poptop			; keeps W
	goto	_str_type
;***************************************************
						; 32
						; constant
;***************************************************
;!### FORTH Word: bl
_bl
	movlw 0x20
	goto _push_byte_literal
	; Tail-call optimisation, return is deferred.
;***************************************************
;***************************************************
;!### FORTH Word: cr
_cr
						; 13
	movlw 0xd
	call _push_byte_literal
						; emit
	call _emit
						; 10
	movlw 0xa
	call _push_byte_literal
						; emit
	goto _emit
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: space
_space
						; bl
	call _bl
						; emit
	goto _emit
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: spaces
_spaces
						; begin
__loop0x2
						; dup
	call _dup
						; 0>
	call _0TX_QZX_
						; while
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto  __endwhile0x3
						; space
	call _space
						; 1-
	call _1MZ_QZX_
						; repeat
	goto __loop0x2
__endwhile0x3
						; drop
	goto _drop
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: u.
_uNZ_QZX_
						; 0
	call _false
						; >r
	call _TXr_QZX_
						; begin
__loop0x4
						; 10
	movlw 0xa
	call _push_byte_literal
						; u/mod
	call _uOZmod_QZX_
						; swap
	call _swap
						; 48
	movlw 0x30
	call _push_byte_literal
						; +
	call _KZ_QZX_
						; swap
	call _swap
						; r>
	call _rTX_QZX_
						; 1+
	call _1KZ_QZX_
						; >r
	call _TXr_QZX_
						; dup
	call _dup
						; 0=
	call _0SX_QZX_
						; until
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __loop0x4
						; drop
	call _drop
						; r>
	call _rTX_QZX_
						; 0
	call _false
						; do
	call _2TXr_QZX_
__loop0x5
						; emit
	call _emit
						; loop
	call _limit_reached
	tstfsz WREG
	goto __loop0x5
__leave0x5
						; space
	goto _space
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: .
_NZ_QZX_
						; dup
	call _dup
						; 0<
	call _0RX_QZX_
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x7
						; 45
	movlw 0x2d
	call _push_byte_literal
						; emit
	call _emit
						; negate
	call _negate
						; then
__endif0x7
						; u.
	goto _uNZ_QZX_
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: hdigit
_hdigit
						; 15
	movlw 0xf
	call _push_byte_literal
						; and
	call _and
						; dup
	call _dup
						; 9
	movlw 0x9
	call _push_byte_literal
						; >
	call _TX_QZX_
						; if
	call _if_internal        ; sets wreg flag if false 
	tstfsz WREG              ; skip if not set
	goto __endif0x8
						; 7
	movlw 0x7
	call _push_byte_literal
						; +
	call _KZ_QZX_
						; then
__endif0x8
						; 48
	movlw 0x30
	call _push_byte_literal
						; +
	call _KZ_QZX_
						; emit
	goto _emit
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: h.
_hNZ_QZX_
						; dup
	call _dup
						; 12
	movlw 0xc
	call _push_byte_literal
						; rshift
	call _rshift
						; hdigit
	call _hdigit
						; dup
	call _dup
						; 8
	movlw 0x8
	call _push_byte_literal
						; rshift
	call _rshift
						; hdigit
	call _hdigit
						; dup
	call _dup
						; 4
	movlw 0x4
	call _push_byte_literal
						; rshift
	call _rshift
						; hdigit
	call _hdigit
						; hdigit
	call _hdigit
						; space
	goto _space
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: ?
_UX_QZX_
						; @
	call _VX_QZX_
						; .
	goto _NZ_QZX_
						; ;
	; Deferred return.
;***************************************************
; End of file: core.f.
;***************************************************
;!### FORTH Word: greet
_greet
						; ."
	movlw low _string_0x1
	call _push_byte_literal
	movlw high _string_0x1
	movwf THIGH
	movlw 0xd
	call _str_type
						; cr
	goto _cr
						; ;
	; Deferred return.
;***************************************************
;***************************************************
;!### FORTH Word: main
_main
						; greet
	call _greet
						; s"
	movlw low _string_0x2
	call _push_byte_literal
	movlw high _string_0x2
	movwf THIGH
	movlw 0x17
	call _push_byte_literal
						; type
	call _type
						; cr
	goto _cr
						; ;
	; Deferred return.
;***************************************************
; End of file: hello.f.
; Literal Table 
__literal_table 
; String Table 
_string_0x1
	DATA "Hello, world!"
_string_0x2
	DATA "KESTREL on a PIC17C756A"
; Return Table 
__return_table
; Interrupt Vector Table 
;***************************************************
	end
