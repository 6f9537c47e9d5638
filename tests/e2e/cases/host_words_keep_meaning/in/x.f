: + ;
: cr ;
: t + cr ;
1 2 + . cr
