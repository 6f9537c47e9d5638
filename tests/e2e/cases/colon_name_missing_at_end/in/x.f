: dup ;
: