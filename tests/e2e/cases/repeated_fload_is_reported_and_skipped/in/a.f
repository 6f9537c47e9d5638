fload b.f
: aa ;
