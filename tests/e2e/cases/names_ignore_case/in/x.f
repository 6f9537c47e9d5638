: dup ;
: t DUP Dup ;
