: case ." mine" ;
100 constant max
: $ff ;
: recurse ;
: t case max $ff recurse $10 'a' ;
7 max . . cr
$ff . cr
