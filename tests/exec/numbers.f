\ numbers.f -- numbers in the base that base holds: base, decimal, hex,
\ ., u., .r and u.r in bases 2, 8, 10, 16 and 36; pictured output from
\ pictured.f (<# # #s hold sign #>, with dtype); >number and its digits.

fload core.f
fload pictured.f

20 array text

: bar ( -- )  [char] | emit cr ;
: sep ( -- )  [char] , emit ;

: put ( c1 ... ck k -- addr k )
	\ store the k characters at text, c1 first
	dup >r  begin dup while 1- swap over text + c! repeat drop  text r> ;

: t-base ( -- )
	." base: "  base @ .  hex base @ decimal .  2 base ! base @ decimal .
	16 base ! decimal base @ .  bar ;

: t-dot ( -- )
	." dec: "  0 .  1 .  -1 .  32767 .  -32768 .  65535 u.  12345 u.  bar
	." hex: "  hex 0 .  255 .  -1 .  -255 .  4660 .  -32768 .  65535 u.
	43981 u.  32768 u.  decimal bar
	." bin: "  2 base !  0 .  5 .  -5 .  255 .  -32768 .  65535 u.  decimal bar
	." oct: "  8 base !  8 .  -9 .  65535 u.  decimal bar
	." b36: "  36 base !  35 .  36 .  1295 .  -1296 .  decimal bar ;

: t-field ( -- )
	." u.r: "  5 3 u.r sep  123 3 u.r sep  12345 3 u.r sep  0 0 u.r sep
	65535 7 u.r sep  7 -2 u.r sep  bar
	." .r: "  -5 3 .r sep  -123 3 .r sep  -12 4 .r sep  12 4 .r sep
	-32768 8 .r sep  0 1 .r sep  -1 0 .r sep  bar
	." hex .r: "  hex  -255 6 .r sep  255 6 u.r sep  -1 2 u.r sep  decimal bar
	." bin .r: "  2 base !  5 8 u.r sep  -5 8 .r sep  decimal bar ;

: t-picture ( -- )
	." #s: "  0 0 <# #s #> dtype sep  double 100000 <# #s #> dtype sep
	-1 -1 <# #s #> dtype sep  hex -1 -1 <# #s #> dtype sep  decimal
	2 base !  -1 -1 <# #s #> dtype sep  decimal bar
	." #: "  2 base !  5 0 <# # # # # # # # # #> dtype sep  decimal
	123 0 <# # #> dtype sep  123 0 <# # # # # # #> dtype sep  bar
	." hold sign: "  -1234 dup abs 0 <# # # [char] . hold #s rot sign #> dtype sep
	1234 dup abs 0 <# # # [char] . hold #s rot sign #> dtype sep
	5 0 <# #s [char] $ hold #> dtype sep  7 0 <# #s -1 sign #> dtype sep
	7 0 <# #s 0 sign #> dtype sep  7 0 <# #s -32768 sign #> dtype sep
	hex -4660 dup abs 0 <# #s rot sign #> dtype decimal sep  bar
	." lengths: "  0 0 <# #> nip .  2 base !  -1 -1 <# #s 45 hold 45 hold #> nip
	decimal .  bar
	." twice: "  12 0 <# #s #> 34 0 <# #s #> dtype dtype  bar ;

: num ( addr u -- )
	\ convert from ud 0: print the characters left, where they begin and
	\ the double cell (low, high)
	0 0 2swap >number  .  text - .  swap u. u.  sep ;

: t-number ( -- )
	." >number: "
	[char] 1 [char] 2 [char] x 3 put num
	[char] 6 [char] 5 [char] 5 [char] 3 [char] 5 5 put num
	[char] 1 [char] 0 [char] 0 [char] 0 [char] 0 [char] 0 6 put num
	[char] 4 [char] 2 [char] 9 [char] 4 [char] 9 [char] 6 [char] 7
	[char] 2 [char] 9 [char] 5 10 put num
	0 put num  [char] x [char] 1 2 put num  [char] - [char] 5 2 put num
	bar
	." onto ud: "  [char] 1 [char] 2 2 put  7 0 2swap >number . text - . swap . .
	bar
	." bases: "  hex [char] f [char] F [char] 1 [char] g 4 put num
	[char] 9 [char] : 2 put num  decimal
	2 base !  [char] 1 [char] 0 [char] 1 [char] 2 4 put num  decimal
	36 base !  [char] z [char] Z 2 put num  decimal  bar
	." not digits: "  36 base !  [char] / 1 put num  [char] @ 1 put num
	[char] [ 1 put num  96 1 put num  [char] { 1 put num  200 1 put num
	decimal  bar
	." digit?: "  [char] 0 digit? . .  [char] 9 digit? . .  [char] a digit? . .
	[char] A digit? . .  hex [char] f digit? . .  [char] G digit? . . decimal
	bar ;

: t-dtype ( -- )
	." dtype: ["  [char] a [char] b [char] c 3 put dtype  text 0 dtype
	text 1 dtype  [char] ] emit cr ;

: main ( -- )
	t-base t-dot t-field t-picture t-number t-dtype
	." depth " depth . cr ;
