\ pictured.f -- pictured numeric output: <# # #s hold sign #>.
\
\ Load it after core.f:   fload core.f  fload pictured.f
\
\ These words build the text of a number in a buffer in RAM, from its
\ last character to its first.  They live apart from core.f because the
\ buffer takes 35 bytes of variable space (the first bank with room for
\ them), and core.f takes none: a program that does not load this file
\ keeps all of its RAM.
\
\ Between <# and #> the stack holds an unsigned double cell ud (two
\ cells, the high cell on top; "u 0" for a single cell u).  The text is
\ at most 34 characters; more is not checked and runs over the cells in
\ front of the buffer.  #> leaves the address and length of the text in
\ data memory: print it with dtype.  The digits follow base.
\
\ Example:  : .dollars ( n -- )  dup abs 0 <# # # [char] . hold #s
\                                 rot sign #> dtype ;
\ prints -1234 as -12.34.

\ A program may define a word of any name that this file defines: its own
\ word then takes the name over (the words here keep using their own).
[library]

34 array picture  ( the text is built from the end of this buffer )
variable hld  ( address of the first character so far )

: <# ( -- )  picture 34 + hld ! ;
\ start a new text

: hold ( c -- )  -1 hld +!  hld @ c! ;
\ put c in front of the text

: # ( ud1 -- ud2 )
	\ put the last digit of ud1 in front of the text; ud2 = ud1 / base
	base @ >r
	0 r@ um/mod r> swap >r um/mod
	swap >digit hold r> ;

: #s ( ud -- 0 0 )  begin # 2dup or 0= until ;
\ put every digit of ud in front of the text (at least one: 0 gives "0")

: sign ( n -- )  0< if 45 hold then ;
\ put a minus sign in front of the text if n is negative

: #> ( xd -- addr u )  2drop  hld @  picture 34 + over - ;
\ end the text: its address and length
