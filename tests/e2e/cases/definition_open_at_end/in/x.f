: dup ;
: t dup