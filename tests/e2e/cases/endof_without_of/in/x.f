: t case 1 of endof endof endcase ;
