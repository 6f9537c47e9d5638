\ A word that nothing defines: kcomp stops with status 2, after the
\ message that the program prints while it compiles.
fload core.f
.( compiling bad_word )
: main  frobnicate ;
