: dup ;
: t dup
 dup ;


nosuch
