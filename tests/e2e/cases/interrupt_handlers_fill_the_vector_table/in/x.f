: a ;
8 :interrupt tick a 1000 a interrupt;
: later 1000 ;
16 :interrupt TMR0 interrupt;
16 :interrupt second interrupt;
