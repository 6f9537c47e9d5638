fload lib.f
: after ;
: early ;
