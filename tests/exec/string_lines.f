\ string_lines.f -- texts over line breaks keep their line feeds (a
\ line feed alone, so the check is not an .out file, whose line ends stand
\ for CR LF).

fload core.f

: bar ( -- )  [char] | emit cr ;

: main ( -- )
	." one
two" bar
	s" 
" swap drop .  s" x
\y" swap drop .  bar ;
