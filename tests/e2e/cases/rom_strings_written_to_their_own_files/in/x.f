: t r." hello" r." ten chars!" ;
rstrings
: u ." x" ;
pstrings
: v ." y" ;
