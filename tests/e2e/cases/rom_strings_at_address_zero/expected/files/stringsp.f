: program_strings 
	0 rom_str_base !
	s" abc" str>srom
	s" defgh" str>srom
2 index>srom
exit
[code]
__STR_INDEX__
#include "strindex.inc" 
endcode
;
