: t +loop ;
