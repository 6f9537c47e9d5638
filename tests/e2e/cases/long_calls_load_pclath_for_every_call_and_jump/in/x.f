: 2>r ;  : drop ;  : 2drop ;
variable v
4660 constant big
: a ( -- ) 0 5 300 v big ;
:: r  a ;
: b ( n -- ) if a else r then begin a while a repeat begin a until begin again ;
: c ( -- ) 3 0 do a leave unloop loop ['] a drop ." hi" s" yo" 2drop a ;
code k
	call _poptop
	movlw 1
endcode
code m
	lcall _x  ; goto and call in comments are fine
endcode
: d [code]
 GOTO _a
endcode
 r exit ;
16 :interrupt tick a interrupt;
8 :interrupt pin a interrupt;
