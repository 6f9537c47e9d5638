8 :interrupt tick 1000 ;
: later 1000 ;
