\ table.f -- print a multiplication table with nested DO loops; the
\ cells are printed by an RCALL word (::), which returns through the
\ return table instead of the processor's 16-level call stack.

fload core.f

:: cell ( n -- )  dup 10 < if space then . ;

: row ( n -- )  11 1 do dup i * cell loop drop cr ;

: main ( -- )
	." x  1  2  3  4  5  6  7  8  9 10" cr
	11 1 do i row loop ;
