: dup ;
: DUP ;
