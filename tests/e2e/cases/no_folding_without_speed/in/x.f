: @ ;
: ! ;
variable v
: t v @ v ! ;
