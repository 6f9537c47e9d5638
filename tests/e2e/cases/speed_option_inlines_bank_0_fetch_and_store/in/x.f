: @ ;
: ! ;
: c@ ;
: c! ;
variable v
255 constant top
256 constant reg256
-1 constant minus
: t v @ v ! v c@ v C! ;
: u top @ reg256 @ minus ! ;
: w 38 @ v ( c ) @ ;
: x v ;
