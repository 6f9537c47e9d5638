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

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

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

;***************************************************

;***************************************************

;***************************************************

;***************************************************

;***************************************************

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
