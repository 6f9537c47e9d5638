: t [code]
	nop
endcode
[code] ; same line
endcode
 ;
