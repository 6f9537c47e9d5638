\ strings.f -- program-memory strings holding bytes that the assembler
\ would not read as written in a quoted DATA line (backslashes: escape
\ sequences, one at the end of the text), and texts that stay quoted next
\ to them (tab, semicolon, quote).  string_lines.f has texts over line
\ breaks.

fload core.f

: bar ( -- )  [char] | emit cr ;

: t-backslash ( -- )
	." c:\temp\new" bar
	p." \" bar
	s" a\\b\n" type bar
	s" \t" swap drop .  bar
	." ends in \\" bar ;

: t-kept ( -- )
	." tab	and;semicolon 'q'" bar ;

: main ( -- )  t-backslash t-kept ;
