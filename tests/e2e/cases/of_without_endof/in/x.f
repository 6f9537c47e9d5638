: t case 1 of 2 of endof endof endcase ;
