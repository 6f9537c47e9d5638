: dup ;
:: r1 dup exit dup ;
: user r1 ;
: user2 r1 r1 ;
