: dup ;
:zzz nap dup ;
: awake dup ;
