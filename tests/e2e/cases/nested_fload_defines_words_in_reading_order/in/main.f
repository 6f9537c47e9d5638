: a ;
fload one.f
: c ;
