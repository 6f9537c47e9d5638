: t [ 7 ] literal double 70000 double 5 double -1 ;
