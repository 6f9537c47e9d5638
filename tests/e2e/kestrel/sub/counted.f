\ Loads a file that lies beside it, whatever the current folder.
fload core.f
fload counter.f
: main  0 counter !  bump bump bump  counter @ . ;
