\ moves.f -- pick and roll, also deep in the stack; move, cmove> (and
\ cmove beside it) with overlapping areas in both directions and across
\ banks; erase, count, char+, chars, aligned and align.

fload core.f

20 array buf  ( bank 0 )
200 array far  ( bank 1 )

: bar ( -- )  [char] | emit cr ;

: show ( addr u -- )  0 do dup i + c@ . loop drop ;
\ print u bytes from addr

: init ( -- )  10 0 do i 1+ buf i + c! loop ;
\ buf holds 1 2 ... 10

: t-pick ( -- )
	." pick: "  10 20 30 40  0 pick .  1 pick .  3 pick .  . . . .  bar
	." deep pick: "  30 0 do i loop  29 pick .  0 pick .  15 pick .
	30 0 do drop loop  bar ;

: t-roll ( -- )
	." roll: "  1 2 3 4 5 4 roll . . . . .  1 2 3 2 roll . . .
	1 2 1 roll . .  7 0 roll .  bar
	." deep roll: "  30 0 do i loop  29 roll . . .  27 0 do drop loop
	100 200 300 1 roll . . .  bar ;

: t-move ( -- )
	." move up: "  init buf buf 2 + 5 move  buf 10 show  bar
	." move down: "  init buf 2 + buf 5 move  buf 10 show  bar
	." move none: "  init buf buf 3 move  buf buf 1+ 0 move  buf 10 show  bar
	." move banks: "  init buf far 10 move  far far 1+ 9 move  far 10 show  bar
	." cmove> up: "  init buf buf 2 + 5 cmove>  buf 10 show  bar
	." cmove> down: "  init buf 2 + buf 5 cmove>  buf 10 show  bar
	." cmove up: "  init buf buf 2 + 5 cmove  buf 10 show  bar
	." cmove> none: "  init buf buf 1+ 0 cmove>  buf 10 show  bar ;

: t-erase ( -- )
	." erase: "  init buf 2 + 3 erase  buf 10 show  init buf 0 erase  buf 10 show
	255 far c!  255 far 199 + c!  far 200 erase  far c@ .  far 199 + c@ .  bar ;

: t-chars ( -- )
	." count: "  3 buf c!  buf count .  buf - .  0 buf c!  buf count . drop
	3 buf c!  [char] a buf 1+ c!  [char] b buf 2 + c!  [char] c buf 3 + c!
	buf count dtype  bar
	." chars: "  buf char+ buf - .  7 chars .  buf aligned buf - .
	buf 1+ aligned buf - .  align  far char+ char+ far - .  bar ;

: main ( -- )
	t-pick t-roll t-move t-erase t-chars
	." depth " depth . cr ;
