.( Hello) cr .(
line) cr
: t assert( x > 0 ) .( inside) ;
