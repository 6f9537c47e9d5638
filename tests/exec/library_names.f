\ library_names.f -- a program's own words named like words of core.f and
\ pictured.f.  Each takes the name over from there on; the library's own
\ words go on using the library's.

fload core.f
fload pictured.f

: count ( n -- n+100 )  100 + ;
variable hex  ( a cell, no longer the word that sets base 16 )
7 constant hold
: .two ( n -- )  0 <# # # #> dtype ;  ( <# # #> still use the library's hold )

: main ( -- )
	5 count .
	42 hex !  hex @ .
	hold .
	s" abc" type
	space 255 .two
	cr ;
