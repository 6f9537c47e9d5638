: k ;
7 constant K
