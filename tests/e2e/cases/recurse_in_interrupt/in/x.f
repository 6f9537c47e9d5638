16 :interrupt h recurse interrupt;
