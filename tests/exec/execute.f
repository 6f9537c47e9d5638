\ execute.f -- ['] leaves the address of a word's routine and execute runs
\ it: colon words, code words, constants, a word that ends in a tail jump,
\ execute itself as a tail call, and a table of addresses in a bank-1 array.

fload core.f

variable vec  ( 0x26 )
30 array filler  ( fills bank 0 up to the stacks )
4 cells array ops  ( 0x120 )
4660 constant big

: bar ( -- )  [char] | emit cr ;

: square ( n -- n*n )  dup * ;
: greet ( -- )  ." hi" ;
: tailer ( n -- n' )  1+ square ;
: run ( xt -- )  execute ;
: run-twice ( x xt -- x' )  dup >r execute r> execute ;
: ten-times ( xt -- )  10 0 do dup execute loop drop ;
: star ( -- )  [char] * emit ;

code swapbytes
	; ( x -- x' )  exchange the two bytes of x
	movfp	TLOW, WREG
	movpf	THIGH, TLOW
	movwf	THIGH
	return
endcode

: t-execute ( -- )
	." execute: "
	3 ['] dup execute . .  2 3 ['] + execute .  9 ['] square execute .
	['] greet execute space  4 ['] tailer execute .  ['] big execute .
	['] bl execute .  4660 ['] swapbytes execute h.  7 ['] square run .
	3 ['] square run-twice .  ['] star ten-times  bar ;

: op-add ( n1 n2 -- n3 )  + ;
: op-sub ( n1 n2 -- n3 )  - ;
: op-mul ( n1 n2 -- n3 )  * ;
: op-max ( n1 n2 -- n3 )  max ;

: apply ( n1 n2 k -- n3 )  cells ops + @ execute ;

: t-table ( -- )
	['] op-add ops !  ['] op-sub ops cell+ !  ['] op-mul ops 4 + !
	['] op-max ops 6 + !
	." table: "  4 0 do 7 3 i apply . loop  -2 5 3 apply .  bar
	['] greet vec !
	." vector: "  vec @ execute  ['] star vec !  vec @ execute  bar ;

: main ( -- )  t-execute t-table  ." depth: " depth . bar ;
