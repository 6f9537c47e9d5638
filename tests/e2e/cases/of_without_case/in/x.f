: t 1 of ;
