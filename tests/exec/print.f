\ print.f -- the words that print: emit, space, spaces, cr, bl, ., u., h.,
\ hdigit, ?, type with the strings of s", and p." and .".
\ Every line of the output begins with a tag and ends with "|" where the
\ printed text would otherwise end in a blank.

fload core.f

variable v

: bar ( -- )  [char] | emit cr ;

: t-emit ( -- )
	." emit:" space
	[char] A emit  66 emit  [char] c emit  bl emit  [char] ~ emit  32 emit
	[char] 0 emit  [char] ] emit  bar ;

: t-dot ( -- )
	." dot: "
	0 .  1 .  -1 .  9 .  10 .  -10 .  99 .  100 .  255 .  256 .
	12345 .  32767 .  -32767 .  -32768 .  bar ;

: t-udot ( -- )
	." u.: "
	0 u.  9 u.  10 u.  32767 u.  32768 u.  -1 u.  65534 u.  10000 u.
	bar ;

: t-hex ( -- )
	." h.: "
	0 h.  9 h.  10 h.  15 h.  16 h.  255 h.  4096 h.  43981 h.  -1 h.
	61455 h.  bar
	." hdigit: "  0 hdigit  9 hdigit  10 hdigit  15 hdigit  31 hdigit
	-6 hdigit  bar ;

: t-spaces ( -- )
	." spaces: ["  0 spaces  [char] | emit  1 spaces  [char] | emit
	5 spaces  [char] | emit  -3 spaces  -32768 spaces  [char] ] emit  cr
	." space: " [char] a emit space [char] b emit space space bar ;

: t-query ( -- )
	." ?: "
	1234 v !  v ?  -5 v !  v ?  0 v !  v ?  -1 v !  v ?  bar ;

: t-type ( -- )
	." type: ["
	s" " type  [char] , emit
	s" x" type  [char] , emit
	s" ab" type  [char] , emit
	s" abc" type  [char] , emit
	s"  lead" type  [char] , emit
	s" two  blanks" type  [char] , emit
	s" abc" drop 0 type  [char] , emit
	s" hello" drop 4 type  [char] , emit
	s" hello" drop 3 type  [char] ] emit  cr
	." lengths: "
	s" " . drop  s" x" . drop  s" abcd" . drop  s"  lead" . drop  bar ;

: t-long ( -- )
	s" 0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456" type
	bar
	s" The quick brown fox jumps over the lazy dog." type cr ;

: t-dotquote ( -- )
	p." p.-string"  cr
	." dot-quote"  cr
	." "  p." "  ." ;-semicolon, (parenthesis) and 'quote'" cr ;

: main ( -- )
	t-emit t-dot t-udot t-hex t-spaces t-query t-type t-long t-dotquote
	." end" cr ;
