\ double.f -- mixed and double-cell arithmetic: s>d, dnegate, dabs, um*,
\ m*, um/mod, sm/rem, fm/mod, */ and */mod.  Each line prints the cells a
\ word leaves, deepest first (rem before quot, the low cell of a double
\ before the high one).  The division lines cover every sign combination
\ and the most negative number, -32768.

fload core.f

: bar ( -- )  [char] | emit cr ;
: 2. ( x1 x2 -- )  swap . . ;
: 2u. ( u1 u2 -- )  swap u. u. ;

: t-extend ( -- )
	." s>d: "  0 s>d 2.  32767 s>d 2.  -1 s>d 2.  -32768 s>d 2.  bar
	." dnegate: "  0 1 dnegate 2.  1 0 dnegate 2.  -1 -1 dnegate 2.
	0 -32768 dnegate 2.  0 0 dnegate 2.  bar
	." dabs: "  -1 -1 dabs 2.  5 0 dabs 2.  31072 -2 dabs 2.
	0 -32768 dabs 2u.  bar ;

: t-multiply ( -- )
	." um*: "  65535 65535 um* 2u.  255 257 um* 2u.  4660 4660 um* 2u.
	0 65535 um* 2u.  32768 2 um* 2u.  bar
	." m*: "  -32768 -32768 m* 2.  32767 32767 m* 2.  -1 32767 m* 2.
	-300 300 m* 2.  300 -300 m* 2.  -300 -300 m* 2.  -32768 32767 m* 2.
	0 -5 m* 2.  bar ;

: t-um/mod ( -- )
	." um/mod: "  1 65534 65535 um/mod 2u.  65535 65534 65535 um/mod 2u.
	65535 32767 65535 um/mod 2u.  22136 4660 4661 um/mod 2u.
	16960 15 1000 um/mod 2u.  16960 15 999 um/mod 2u.
	7 0 2 um/mod 2u.  65535 0 1 um/mod 2u.  bar ;

: t-sm/rem ( -- )
	." sm/rem: "  7 s>d 2 sm/rem 2.  -7 s>d 2 sm/rem 2.  7 s>d -2 sm/rem 2.
	-7 s>d -2 sm/rem 2.  6 s>d -2 sm/rem 2.  -6 s>d 2 sm/rem 2.  bar
	." sm/rem min: "  -32768 s>d 1 sm/rem 2.  -32768 s>d -32768 sm/rem 2.
	-32768 s>d 3 sm/rem 2.  32767 s>d -32768 sm/rem 2.
	-32768 s>d 32767 sm/rem 2.  bar
	." sm/rem double: "  double 100000 7 sm/rem 2.  31072 -2 7 sm/rem 2.
	double 100000 -7 sm/rem 2.  31072 -2 -7 sm/rem 2.  bar ;

: t-fm/mod ( -- )
	." fm/mod: "  7 s>d 2 fm/mod 2.  -7 s>d 2 fm/mod 2.  7 s>d -2 fm/mod 2.
	-7 s>d -2 fm/mod 2.  6 s>d -2 fm/mod 2.  -6 s>d 2 fm/mod 2.  bar
	." fm/mod min: "  -32768 s>d 1 fm/mod 2.  -32768 s>d -32768 fm/mod 2.
	-32768 s>d 3 fm/mod 2.  32767 s>d -32768 fm/mod 2.
	-32768 s>d 32767 fm/mod 2.  -1 s>d -32768 fm/mod 2.
	1 s>d -32768 fm/mod 2.  bar
	." fm/mod double: "  double 100000 7 fm/mod 2.  31072 -2 7 fm/mod 2.
	double 100000 -7 fm/mod 2.  31072 -2 -7 fm/mod 2.  bar ;

: t-scale ( -- )
	." */: "  30000 3 4 */ .  -30000 3 4 */ .  1000 1000 -300 */ .
	32767 32767 32767 */ .  -32768 -32768 -32768 */ .  7 -3 2 */ .
	-7 -3 2 */ .  bar
	." */mod: "  1000 1000 300 */mod 2.  -1000 1000 300 */mod 2.
	7 -3 2 */mod 2.  30000 -30001 32767 */mod 2.  bar
	." /mod: "  7 2 /mod 2.  -7 2 /mod 2.  7 -2 /mod 2.  -7 -2 /mod 2.
	-32768 1 /mod 2.  bar ;

: main ( -- )
	t-extend t-multiply t-um/mod t-sm/rem t-fm/mod t-scale
	." depth " depth . cr ;
