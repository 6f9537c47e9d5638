: t 1 2 max ;
