: 2>r ;
: a ;
: t1 ?do a leave a loop ;
: t2 do begin a until a -2 +loop ;
: t3 do begin a while leave repeat leave loop ;
: t4 a if exit then recurse ;
: t5 recurse a ;
:: t6 a if recurse then ;
