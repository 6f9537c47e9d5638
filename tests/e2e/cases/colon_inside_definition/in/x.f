: a
: b ;
