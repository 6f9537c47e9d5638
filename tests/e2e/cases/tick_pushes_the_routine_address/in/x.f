: Blink ;
5 constant five
5 constant cinq
: t ['] blink ['] if ['] cinq ['] BLINK ;
