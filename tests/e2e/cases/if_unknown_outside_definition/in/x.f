: a ;

if
