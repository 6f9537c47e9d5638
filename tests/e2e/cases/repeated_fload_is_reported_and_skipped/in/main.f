fload a.f
fload a.f
: m ;
