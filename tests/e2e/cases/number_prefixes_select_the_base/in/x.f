$ff . cr $-FF . cr #-12 . cr %1010 . cr %-1 . cr 'a' . cr '(' . cr char xyz . cr $ffffffff . cr
: t $7fff 'b' #10 ;
