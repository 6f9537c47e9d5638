: a ;
: t if a ;
