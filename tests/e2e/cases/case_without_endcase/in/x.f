: t case 1 of endof ;
