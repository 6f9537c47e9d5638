: a ;
: t case 1 of a endof 2 of case 3 of endof endcase endof a endcase ;
: u case endcase ;
