: program_strings 
	0 rom_str_base !
	s" rom\n" str>srom
	s" rom
lines" str>srom
2 index>srom
exit
[code]
__STR_INDEX__
#include "strindex.inc" 
endcode
;
