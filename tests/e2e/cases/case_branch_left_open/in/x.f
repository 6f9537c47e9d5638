: t case 1 of if endof then endcase ;
