\ rom_strings.f -- strings printed from a string ROM by _romtype.
\
\ Compiled with kcomp -r 32768 (ROM byte address 32768 = program word
\ 0x4000, external program memory) and assembled with gpasm -D ROMSTRINGS,
\ which includes the strbase.inc that kcomp writes.  The [code] block in
\ main stands in for the separately programmed ROM: it holds what the ROM
\ programming words write for the two ROM strings below (a count byte and
\ the characters of each string, then the index of string addresses).

fload core.f

rstrings

: main ( -- )
	." from ROM" cr
	p." from program memory" cr
	." second" cr
	exit
[code]
__rom_resume	set	$
	errorlevel	-220			; beyond the internal 16K words: on purpose
	org	0x4000
	DB	D'8', "from ROM", D'6', "second"	; strings at bytes 0x8000, 0x8009
	DB	0x80, 0x00, 0x80, 0x09			; index at byte 0x8010
	org	__rom_resume
	errorlevel	+220
endcode
;
