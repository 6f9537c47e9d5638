: program_strings 
	4096 rom_str_base !
	s" hello" str>srom
	s" ten chars!" str>srom
	s" x" str>srom
3 index>srom
exit
[code]
__STR_INDEX__
#include "strindex.inc" 
endcode
;
