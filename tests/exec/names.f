\ names.f -- words whose names make awkward assembler labels: names in
\ another letter case at ['] and for main, names with characters no label
\ may hold, names whose mangled label another name spells out, names of
\ run-time routines, of assembler directives and symbols and of the
\ compiler's numbered labels, for every kind of word.  Each word prints
\ or leaves something of its own, so a word that ran another's routine
\ shows in the output; two words with one label would not assemble.

fload core.f

: bar ( -- )  [char] | emit cr ;

\ ['] finds words in any letter case
: Square ( n -- n*n )  dup * ;

\ mangled names and the names they mangle to, in both orders
: a+ ( n -- n' )  1 + ;
: aKZ_QZX_ ( n -- n' )  2 + ;
: bKZ_QZX_ ( n -- n' )  3 + ;
: b+ ( n -- n' )  4 + ;
: AZ! ( -- )  ." AZ! " ;
: !! ( -- )  ." !! " ;
: !AZ ( -- )  ." !AZ " ;
: AZAZ_QZX__1_QZX_ ( -- )  ." AZAZ_QZX__1_QZX_ " ;

\ characters no label may hold
: a|b ( -- )  ." a|b " ;
: ahQb ( -- )  ." ahQb " ;
: {x} ( -- )  ." {x} " ;
: ~ ( -- )  ." ~ " ;
: café ( -- )  ." cafe " ;

\ run-time routines, directives, predefined and header symbols, numbered
\ labels
: pushtop ( -- )  ." pushtop " ;
: 2rdrop ( -- )  ." 2rdrop " ;
: str_type ( -- )  ." str_type " ;
: _k_idle ( -- )  ." _k_idle " ;
: _config ( -- )  ." _config " ;
: _Maxram ( -- )  ." _Maxram " ;
: _17C756A ( -- )  ." _17C756A " ;
: _CODE_END ( -- )  ." _CODE_END " ;
: XT_OSC ( -- )  ." XT_OSC " ;
: _endif0x0 ( -- )  ." _endif0x0 " ;
: string_0x1 ( -- )  ." string_0x1 " ;
: _literal_table ( -- )  ." _literal_table " ;
: _c_ms_next ( -- )  ." _c_ms_next " ;  \ a label in the code of ms

\ data words, constants, RCALL words, code words, a handler
: x_PTR ( -- n )  11 ;
variable x  ( its pointer label would be _x_PTR )
variable y+
: yKZ_QZX_ ( -- n )  12 ;
: yKZ_QZX__PTR ( -- n )  13 ;
7 constant romtype
8 constant k|
:: r+ ( n -- n' )  10 + ;
:: rKZ_QZX_ ( n -- n' )  20 + ;
code poptop
	; ( n -- n' )
	incf	TLOW, F
	return
endcode
variable ticks
16 :interrupt INTERRUPT_EXIT ( -- )  1 ticks +!  interrupt;

: t-tick ( -- )
	." tick: "
	3 ['] square execute .  4 ['] SQUARE execute .  5 ['] Square execute .
	1 ['] a+ execute .  1 ['] aKZ_QZX_ execute .  bar ;

: t-mangled ( -- )
	." mangled: "
	1 a+ .  1 aKZ_QZX_ .  1 bKZ_QZX_ .  1 b+ .
	AZ! !! !AZ AZAZ_QZX__1_QZX_ bar
	." chars: "  a|b ahQb {x} ~ café bar ;

: t-reserved ( -- )
	." reserved: "  pushtop 2rdrop str_type _k_idle _config _Maxram bar
	." symbols: "  _17C756A _CODE_END XT_OSC _endif0x0 string_0x1 _literal_table
	_c_ms_next bar ;

: t-kinds ( -- )
	." kinds: "
	x_PTR .  5 x !  x @ .  6 y+ !  y+ @ .  yKZ_QZX_ .  yKZ_QZX__PTR .
	romtype .  k| .  1 r+ .  1 rKZ_QZX_ .  41 poptop .
	0 if 0 0 do loop then  bar ;

: enable-timer ( -- )
[code]
	bsf	INTSTA, T0IE
endcode
	ei ;

: MAIN ( -- )
	t-tick t-mangled t-reserved t-kinds
	enable-timer
	begin ticks @ 3 < while repeat
	di ." handler ran" cr ;
