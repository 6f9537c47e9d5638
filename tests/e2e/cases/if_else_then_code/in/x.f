: A ;
: B ;
: t if A else B then ;
