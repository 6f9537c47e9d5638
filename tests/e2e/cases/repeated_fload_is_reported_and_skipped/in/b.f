fload a.f
fload main.f
: bb ;
