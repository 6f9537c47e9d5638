: dup ;
: + ;
: twice dup + ;
