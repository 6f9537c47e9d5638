fload lib.f
: twice  early ;
: quad  early ;
: twice  quad ;
