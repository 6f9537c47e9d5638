: dup ;
: drop ;
: t dup	drop ;
