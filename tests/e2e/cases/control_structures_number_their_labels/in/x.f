: a ;
: b ;
: 2>r ;
: t1 if a then ;
: t2 if a else b then ;
: t3 begin a while b repeat ;
: t4 begin a until begin b again ;
: t5 do a leave b loop unloop ;
: t6 if do begin a while leave repeat loop then ;
