\ literals.f -- numbers in definitions.  Without -os a value with a
\ non-zero high byte is fetched from the literal table, one entry per
\ distinct value (-1 and 65535 are two entries), until the table holds 256
\ entries; later new values are pushed in line, while values already in the
\ table are still fetched from it.  Values 0-255, and every value with -os,
\ are pushed in line.  A number equal to a variable's address compiles as a
\ reference to the variable.

fload core.f

variable expect  ( 0x26: the value the next sequence literal must have )
variable seen  ( sequence literals checked )
variable bad  ( sequence literals that differed )
variable sum  ( their sum, modulo 65536 )

: bar ( -- )  [char] | emit cr ;

: t-table ( -- )
	\ the program's first values with a non-zero high byte: table
	\ entries 0 to 8 without -os
	." table: "
	-1 .  65535 u.  -1 u.  65535 .  4660 .  4660 h.  -32768 .  32768 u.
	256 .  65280 h.  512 .  -256 .  bar ;

: t-inline ( -- )
	." inline: "
	0 .  1 .  127 .  128 .  255 .  255 h.  0 h.  bar ;

: nxt ( n -- )
	\ check one literal of the sequence 256, 467, 678, ... (step 211)
	dup expect @ <> if ." bad " seen @ . dup . cr  1 bad +! then
	sum +!  211 expect +!  1 seen +! ;

\ 300 distinct values: the first (256) is entry 5 already, the next 247
\ fill the table up to entry 255, the last 52 are pushed in line.
: seq0 ( -- )
	256 nxt  467 nxt  678 nxt  889 nxt  1100 nxt  1311 nxt  1522 nxt  1733 nxt  1944 nxt  2155 nxt
	2366 nxt  2577 nxt  2788 nxt  2999 nxt  3210 nxt  3421 nxt  3632 nxt  3843 nxt  4054 nxt  4265 nxt
	4476 nxt  4687 nxt  4898 nxt  5109 nxt  5320 nxt  5531 nxt  5742 nxt  5953 nxt  6164 nxt  6375 nxt
;

: seq1 ( -- )
	6586 nxt  6797 nxt  7008 nxt  7219 nxt  7430 nxt  7641 nxt  7852 nxt  8063 nxt  8274 nxt  8485 nxt
	8696 nxt  8907 nxt  9118 nxt  9329 nxt  9540 nxt  9751 nxt  9962 nxt  10173 nxt  10384 nxt  10595 nxt
	10806 nxt  11017 nxt  11228 nxt  11439 nxt  11650 nxt  11861 nxt  12072 nxt  12283 nxt  12494 nxt  12705 nxt
;

: seq2 ( -- )
	12916 nxt  13127 nxt  13338 nxt  13549 nxt  13760 nxt  13971 nxt  14182 nxt  14393 nxt  14604 nxt  14815 nxt
	15026 nxt  15237 nxt  15448 nxt  15659 nxt  15870 nxt  16081 nxt  16292 nxt  16503 nxt  16714 nxt  16925 nxt
	17136 nxt  17347 nxt  17558 nxt  17769 nxt  17980 nxt  18191 nxt  18402 nxt  18613 nxt  18824 nxt  19035 nxt
;

: seq3 ( -- )
	19246 nxt  19457 nxt  19668 nxt  19879 nxt  20090 nxt  20301 nxt  20512 nxt  20723 nxt  20934 nxt  21145 nxt
	21356 nxt  21567 nxt  21778 nxt  21989 nxt  22200 nxt  22411 nxt  22622 nxt  22833 nxt  23044 nxt  23255 nxt
	23466 nxt  23677 nxt  23888 nxt  24099 nxt  24310 nxt  24521 nxt  24732 nxt  24943 nxt  25154 nxt  25365 nxt
;

: seq4 ( -- )
	25576 nxt  25787 nxt  25998 nxt  26209 nxt  26420 nxt  26631 nxt  26842 nxt  27053 nxt  27264 nxt  27475 nxt
	27686 nxt  27897 nxt  28108 nxt  28319 nxt  28530 nxt  28741 nxt  28952 nxt  29163 nxt  29374 nxt  29585 nxt
	29796 nxt  30007 nxt  30218 nxt  30429 nxt  30640 nxt  30851 nxt  31062 nxt  31273 nxt  31484 nxt  31695 nxt
;

: seq5 ( -- )
	31906 nxt  32117 nxt  32328 nxt  32539 nxt  32750 nxt  32961 nxt  33172 nxt  33383 nxt  33594 nxt  33805 nxt
	34016 nxt  34227 nxt  34438 nxt  34649 nxt  34860 nxt  35071 nxt  35282 nxt  35493 nxt  35704 nxt  35915 nxt
	36126 nxt  36337 nxt  36548 nxt  36759 nxt  36970 nxt  37181 nxt  37392 nxt  37603 nxt  37814 nxt  38025 nxt
;

: seq6 ( -- )
	38236 nxt  38447 nxt  38658 nxt  38869 nxt  39080 nxt  39291 nxt  39502 nxt  39713 nxt  39924 nxt  40135 nxt
	40346 nxt  40557 nxt  40768 nxt  40979 nxt  41190 nxt  41401 nxt  41612 nxt  41823 nxt  42034 nxt  42245 nxt
	42456 nxt  42667 nxt  42878 nxt  43089 nxt  43300 nxt  43511 nxt  43722 nxt  43933 nxt  44144 nxt  44355 nxt
;

: seq7 ( -- )
	44566 nxt  44777 nxt  44988 nxt  45199 nxt  45410 nxt  45621 nxt  45832 nxt  46043 nxt  46254 nxt  46465 nxt
	46676 nxt  46887 nxt  47098 nxt  47309 nxt  47520 nxt  47731 nxt  47942 nxt  48153 nxt  48364 nxt  48575 nxt
	48786 nxt  48997 nxt  49208 nxt  49419 nxt  49630 nxt  49841 nxt  50052 nxt  50263 nxt  50474 nxt  50685 nxt
;

: seq8 ( -- )
	50896 nxt  51107 nxt  51318 nxt  51529 nxt  51740 nxt  51951 nxt  52162 nxt  52373 nxt  52584 nxt  52795 nxt
	53006 nxt  53217 nxt  53428 nxt  53639 nxt  53850 nxt  54061 nxt  54272 nxt  54483 nxt  54694 nxt  54905 nxt
	55116 nxt  55327 nxt  55538 nxt  55749 nxt  55960 nxt  56171 nxt  56382 nxt  56593 nxt  56804 nxt  57015 nxt
;

: seq9 ( -- )
	57226 nxt  57437 nxt  57648 nxt  57859 nxt  58070 nxt  58281 nxt  58492 nxt  58703 nxt  58914 nxt  59125 nxt
	59336 nxt  59547 nxt  59758 nxt  59969 nxt  60180 nxt  60391 nxt  60602 nxt  60813 nxt  61024 nxt  61235 nxt
	61446 nxt  61657 nxt  61868 nxt  62079 nxt  62290 nxt  62501 nxt  62712 nxt  62923 nxt  63134 nxt  63345 nxt
;
: t-sequence ( -- )
	256 expect !  0 seen !  0 bad !  0 sum !
	seq0 seq1 seq2 seq3 seq4 seq5 seq6 seq7 seq8 seq9
	." sequence: "  seen @ .  bad @ .  sum @ u.  bar ;

: last-lit ( -- n )  4661 ;

: t-full ( -- )
	\ the table is full: 4660 is still fetched from it, the other values
	\ are new and pushed in line
	." full: "
	4660 .  last-lit .  -2 .  65534 u.  1000 .  4097 h.  bar ;

: t-compiled ( -- )
	." compiled: "
	[ 1000 24 + ] literal .  [ 5 3 - ] literal .  [ 0 ] literal .
	double 70000 . .  double -1 . .  double 65536 . .  double 123 . .  bar ;

: t-value ( -- )
	\ 38 = 0x26 is the address of expect
	." value: "  1234 expect !  38 .  38 @ .  expect .  bar ;

: main ( -- )
	t-table t-inline t-sequence t-full t-compiled t-value ;
