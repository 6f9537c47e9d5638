: 2>r ;
: t do begin +loop ;
