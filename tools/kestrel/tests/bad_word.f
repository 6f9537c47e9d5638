\ A word that nothing defines: kcomp stops with status 2.
fload core.f
: main  frobnicate ;
