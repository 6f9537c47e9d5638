\ all_words.f -- uses every word of core.f and checks what each computes.
\
\ The lib tests compile, strip and assemble it (also with -os and with the
\ smallest and largest stack area).  When the simulator is built they also
\ run it with Timer0 interrupts arriving every few hundred cycles: the
\ handler below works on both stacks, so a run-time routine that is not
\ interrupt-safe shows up as a failed check.
\
\ Output: one line "OUT: ..." from the printing words, then "ALL OK n"
\ (n checks made) or a "FAIL k" line per failed check k.

fload core.f

variable checks  ( checks made )
variable failures  ( checks failed )
variable hits  ( interrupts taken )
variable v1
2variable d1
cvariable c1
200 array far  ( does not fit bank 0: lands in bank 1 )
200 array farther  ( bank 2 )

: check ( actual expected -- )
	1 checks +!
	<> if 1 failures +! ." FAIL " checks @ . cr then ;

: big ( -- n )  4660 ;
\ a literal fetched from the literal table (table reads)

16 :interrupt on-timer ( -- )
	\ Timer0 overflow (vector 0x10): work on both stacks, read the
	\ program memory
	1 hits +!
	big drop
	3 0 do i >r r> drop loop
	1 2 swap 2drop
	4660 dup 2 + swap - drop
interrupt;

: timer-on ( -- )
[code]
	bsf	INTSTA, T0IE
endcode
	ei ;

: t-stack ( -- )
	depth 0 check
	5 dup 5 check 5 check
	6 7 drop 6 check
	1 2 swap 1 check 2 check
	1 2 over 1 check 2 check 1 check
	1 2 3 rot 1 check 3 check 2 check
	1 2 3 -rot 2 check 1 check 3 check
	1 2 nip 2 check depth 0 check
	1 2 tuck 2 check 1 check 2 check
	0 ?dup 0 check depth 0 check
	9 ?dup 9 check 9 check
	1 2 2dup 2 check 1 check 2 check 1 check
	1 2 3 2drop 1 check
	1 2 3 4 2swap 2 check 1 check 4 check 3 check
	1 2 3 4 2over 2 check 1 check 4 check 3 check 2 check 1 check
	7 8 depth 2 check 2drop
	depth 0 check ;

: t-arith ( -- )
	255 1 + 256 check
	-1 1 + 0 check
	256 1 - 255 check
	3 5 - -2 check
	-32768 1 - 32767 check
	4660 255 and 52 check
	4660 -256 and 4608 check
	4096 15 or 4111 check
	-1 4660 xor -4661 check
	0 invert -1 check
	4660 invert -4661 check
	5 negate -5 check
	0 negate 0 check
	-32768 negate -32768 check
	255 1+ 256 check
	-1 1+ 0 check
	256 1- 255 check
	0 1- -1 check
	16384 2* -32768 check
	-3 2* -6 check
	-1 2/ -1 check
	-3 2/ -2 check
	5 2/ 2 check
	-32768 2/ -16384 check
	1 15 lshift -32768 check
	1 16 lshift 0 check
	4660 0 lshift 4660 check
	1 300 lshift 0 check
	4660 4 lshift 9024 check
	-1 15 rshift 1 check
	-1 16 rshift 0 check
	4660 4 rshift 291 check
	300 300 * 24464 check
	-3 7 * -21 check
	255 255 * -511 check
	-1 -1 * 1 check
	7 2 u/mod 3 check 1 check
	65535 10 u/mod 6553 check 5 check
	65535 40000 u/mod 1 check 25535 check
	65535 32769 u/mod 1 check 32766 check
	1000 1000 u/mod 1 check 0 check
	3 5 u/mod 0 check 3 check
	5 0 u/mod -1 check 5 check
	7 2 /mod 3 check 1 check
	-7 2 /mod -3 check -1 check
	7 -2 /mod -3 check 1 check
	-7 -2 /mod 3 check -1 check
	-32768 1 / -32768 check
	100 7 / 14 check
	100 7 mod 2 check
	-100 7 mod -2 check
	true -1 check
	false 0 check
	1 8 lshift 256 check  256 8 rshift 1 check  1 2/ 0 check  1 negate -1 check
	257 257 * 513 check
	60000 300 u/mod 200 check 0 check
	65535 256 u/mod 255 check 255 check
	depth 0 check ;

: t-compare ( -- )
	5 5 = -1 check  4660 4661 = 0 check  256 0 = 0 check
	5 5 <> 0 check  256 0 <> -1 check
	-1 1 < -1 check  1 -1 < 0 check  5 5 < 0 check  255 256 < -1 check
	-32768 32767 < -1 check  32767 -32768 < 0 check
	-1 1 > 0 check  1 -1 > -1 check  5 5 > 0 check  256 255 > -1 check
	-32768 32767 > 0 check  32767 -32768 > -1 check
	1 -1 u< -1 check  -1 1 u< 0 check  5 5 u< 0 check  255 256 u< -1 check
	1 -1 u> 0 check  -1 1 u> -1 check  5 5 u> 0 check  256 255 u> -1 check
	0 0= -1 check  256 0= 0 check  1 0= 0 check
	0 0<> 0 check  256 0<> -1 check
	-1 0< -1 check  -32768 0< -1 check  0 0< 0 check  32767 0< 0 check
	1 0> -1 check  0 0> 0 check  -1 0> 0 check  256 0> -1 check  -32768 0> 0 check
	-2 -1 < -1 check  -1 -2 < 0 check  1 2 u< -1 check  2 1 u> -1 check
	-5 abs 5 check  5 abs 5 check  -32768 abs -32768 check  0 abs 0 check
	4 4 max 4 check  4 4 min 4 check  -1 ?dup -1 check -1 check
	3 9 min 3 check  -3 9 min -3 check  3 9 max 9 check  -3 -9 max -3 check
	5 1 10 within -1 check  10 1 10 within 0 check
	1 1 10 within -1 check  0 1 10 within 0 check  -1 -5 5 within -1 check
	12 10 1 within -1 check  5 10 1 within 0 check
	depth 0 check ;

: t-memory ( -- )
	4660 v1 !  v1 @ 4660 check
	v1 c@ 18 check  v1 1+ c@ 52 check
	171 v1 1+ c!  v1 @ 4779 check
	5 v1 +!  v1 @ 4784 check
	-4784 v1 +!  v1 @ 0 check
	255 v1 !  1 v1 +!  v1 @ 256 check
	300 c1 c!  c1 c@ 44 check
	far 255 u> -1 check  farther far u> -1 check
	-1 far !  far @ -1 check
	4660 far 10 + !  far 10 + @ 4660 check  far 11 + c@ 52 check
	1000 far 10 + +!  far 10 + @ 5660 check
	1 2 d1 2!  d1 2@ 2 check 1 check
	d1 @ 2 check  d1 cell+ @ 1 check
	3 cells 6 check
	far 20 65 fill  far c@ 65 check  far 19 + c@ 65 check  far 20 + c@ 0 check
	far farther 20 cmove  farther 19 + c@ 65 check  farther 20 + c@ 0 check
	far 0 66 fill  far c@ 65 check
	far farther 0 cmove  farther c@ 65 check
	170 272 c!  272 c@ 170 check
	depth 0 check ;
\ 272 = 0x110: DDRC, a peripheral register in SFR bank 1

: find7 ( -- n )  20 0 do i 7 = if i unloop exit then loop -1 ;

:: r-add ( n1 n2 -- n3 )  + ;
:: r-twice ( n -- 2n )  dup r-add ;

: t-return ( -- )
	4660 >r r@ 4660 check r> 4660 check
	1 >r 2 >r r> 2 check r> 1 check
	5 >r rdrop depth 0 check
	1 2 2>r 2r> 2 check 1 check
	7 >r 8 >r 2r> 8 check 7 check
	3 4 2>r r> 4 check r> 3 check
	0 5 0 do i + loop 10 check
	0 3 0 do 4 0 do j 10 * i + + loop loop 138 check
	0 100 0 do i 5 = if leave then 1+ loop 5 check
	0 300 250 do 1+ loop 50 check
	0 -3 -10 do 1+ loop 7 check
	0 1 0 do 1+ loop 1 check
	find7 7 check
	2 3 r-add 5 check  21 r-twice 42 check
	depth 0 check ;

: t-stress ( -- )
	\ many passes through the words that move the stack pointers over
	\ live bytes, so that interrupts land inside them
	0 400 0 do i + loop 14264 check
	0 30 0 do 20 0 do j i - + loop loop 3000 check
	0 300 0 do 300 >r r@ + r> - i + loop -20686 check
	0 200 0 do 1 2 2>r 2r> + + loop 600 check
	0 200 0 do 1 2 3 rot + + + loop 1200 check
	0 200 0 do 5 7 over swap - + + loop 600 check
	0 200 0 do 4661 + -4660 + loop 200 check
	0 200 0 do 1 2 3 2 roll + + + loop 1200 check
	0 200 0 do 1 2 1 pick + + + loop 800 check
	0 200 0 do 7 0 3 um/mod + + loop 600 check
	0 200 0 do 3 4 um* + + loop 2400 check
	0 200 0 do 5 0 dnegate + + loop -1200 check
	depth 0 check ;

: t-double ( -- )
	-5 s>d -1 check -5 check  5 s>d 0 check 5 check
	-32768 s>d -1 check -32768 check
	5 0 dnegate -1 check -5 check  0 0 dnegate 0 check 0 check
	0 1 dnegate -1 check 0 check  -5 -1 dnegate 0 check 5 check
	-5 -1 dabs 0 check 5 check  7 0 dabs 0 check 7 check
	300 300 um* 1 check 24464 check  -1 -1 um* -2 check 1 check
	0 1234 um* 0 check 0 check  256 256 um* 1 check 0 check
	-3 7 m* -1 check -21 check  -3 -7 m* 0 check 21 check
	-32768 -32768 m* 16384 check 0 check
	-32768 32767 m* -16384 check -32768 check
	100 0 7 um/mod 14 check 2 check  0 1 -1 um/mod 1 check 1 check
	-1 32767 -1 um/mod -32768 check 32767 check
	5 0 0 um/mod -1 check 5 check
	-7 s>d 2 sm/rem -3 check -1 check  -7 s>d 2 fm/mod -4 check 1 check
	1000 1000 300 */ 3333 check  1000 1000 300 */mod 3333 check 100 check
	depth 0 check ;

: t-chars ( -- )
	far char+ far 1+ check  5 chars 5 check  far aligned far check  align
	1 2 3 0 pick 3 check  2 pick 1 check 3 check 2 check 1 check
	1 2 3 2 roll 1 check 3 check 2 check  1 2 0 roll 2 check 1 check
	1 2 3 4 1 roll 3 check 4 check 2 check 1 check
	3 far c!  49 far 1+ c!  50 far 2 + c!  120 far 3 + c!
	far count 3 check far 1+ check
	0 0 far 1+ 3 >number 1 check far 3 + check 0 check 12 check
	far farther 4 move  farther 3 + c@ 120 check
	farther farther 1+ 3 move  farther 3 + c@ 50 check  farther 1+ c@ 3 check
	farther 1+ farther 3 cmove>  farther c@ 50 check
	farther 2 erase  farther c@ 0 check  farther 1+ c@ 0 check
	farther 2 + c@ 50 check
	depth 0 check ;

: t-number ( -- )
	base @ 10 check  hex base @ 16 check  decimal base @ 10 check
	5 >digit 53 check  11 >digit 66 check
	48 digit? -1 check 0 check  97 digit? 0 check 10 check
	1234 udigits 4 check 49 check 50 check 51 check 52 check
	['] accept drop
	depth 0 check ;

: square ( n -- n*n )  dup * ;
:zzz nap ( -- )  1 ms ;

: t-exec ( -- )
	3 ['] dup execute 3 check 3 check
	2 3 ['] + execute 5 check
	9 ['] square execute 81 check
	['] key drop
	key? 0 check
	nap  0 ms
	[ 5 ] literal 5 check
	double 70000 1 check 4464 check
	[char] A 65 check
	s" abc" 3 check drop
	depth 0 check ;

: t-output ( -- )
	42 v1 !
	." OUT:" space -123 . 0 . 65535 u. 4660 h. 43981 h.
	3 spaces [char] x emit bl emit s" str" type space
	v1 ? 0 spaces -2 spaces  7 3 u.r -7 4 .r  far 1+ 2 dtype cr ;

: main ( -- )
	timer-on
	t-stack t-arith t-compare t-memory t-return t-stress t-exec
	t-double t-chars t-number
	t-output
	di
	failures @ 0= if ." ALL OK " else ." FAILED " then
	checks @ . cr ;
