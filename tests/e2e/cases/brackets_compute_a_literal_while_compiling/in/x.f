: t [ 1 2 + ] literal ;
