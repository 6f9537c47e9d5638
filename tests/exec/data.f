\ data.f -- constants, variables and arrays.  The data words fill bank 0
\ (0x26 up to the stack area at 0x46), so the later ones land in banks 1,
\ 2 and 3, each area in the first bank with room for it; every area is
\ written and read back, so a store that reaches the wrong bank shows.
\ Equal values make aliases: a constant of the value of a variable or of
\ an earlier constant, and a variable whose address an earlier constant
\ already has.  With -os the fetches and stores of bank-0 addresses are
\ compiled in line.

fload core.f

4660 constant k1
4660 constant k1b  ( alias of k1 )
k1 1 + constant k2  ( 4661, computed by the compiler )
k1 2 * constant k3  ( 9320 )
-1 constant minus1
65535 constant all1  ( not an alias of minus1: -1 and 65535 differ )
0 constant zero
0 constant zero2  ( alias of zero )
10 cells constant twenty
32 constant blank  ( alias of bl from core.f )
40 constant forty
22 constant txreg  ( 0x16: the USART1 transmit register )

variable v0  ( 0x26 )
cvariable c0  ( 0x28: alias of forty )
2variable d0  ( 0x29 )
10 array a0  ( 0x2d )
variable v1  ( 0x37 )
12 array a1  ( 0x39: bank 0 ends at 0x44 now )
variable v2  ( 2 bytes do not fit bank 0: 0x120 )
cvariable c1  ( 1 byte fits bank 0 exactly: 0x45 )
200 array b1  ( 0x122 )
200 array b2  ( bank 1 is too full: 0x220 )
200 array b3  ( 0x320 )
variable v3  ( back to bank 1: 0x1ea )
20 array e1  ( 0x1ec, up to the end of bank 1 )
3 cells 18 + constant e-size  ( 24 )
e-size array e2  ( 0x2e8, up to the end of bank 2 )
e-size array e3  ( 0x3e8, up to the end of bank 3 )
38 constant k38  ( alias of v0 )
v2 constant v2addr  ( alias of v2 )

: bar ( -- )  [char] | emit cr ;

: t-const ( -- )
	." const: "
	k1 .  k1b .  k2 .  k3 .  minus1 .  all1 u.  all1 .  zero .  zero2 .
	twenty .  blank .  forty .  k38 .  v2addr h.  4660 .  4661 .  bar ;

: t-addr ( -- )
	." bank 0: "  v0 h.  c0 h.  d0 h.  a0 h.  v1 h.  a1 h.  c1 h.  bar
	." banks: "  v2 h.  b1 h.  b2 h.  b3 h.  v3 h.  e1 h.  e2 h.  e3 h.  bar ;

: t-reg ( -- )
	." reg: "  [char] R txreg c!  [char] ! 22 c!  bar ;

: fill-all ( -- )
	a0 10 [char] a fill  a1 12 [char] b fill  b1 200 [char] c fill
	b2 200 [char] d fill  b3 200 [char] e fill  e1 20 [char] f fill
	e2 24 [char] g fill  e3 24 [char] h fill
	1111 v0 !  22 c0 c!  3333 4444 d0 2!  5555 v1 !  6666 v2 !
	77 c1 c!  8888 v3 ! ;

: bytes ( addr u -- )
	\ print the first and the last byte as characters, then the sum
	2dup + 1- c@ >r  over c@ emit r> emit
	0 swap 0 do over i + c@ + loop nip  . ;

: t-vars ( -- )
	." vars: "
	v0 @ .  c0 c@ .  d0 2@ . .  d0 @ .  d0 cell+ @ .  v1 @ .  v2 @ .
	c1 c@ .  v3 @ .  v0 ?  v2 ?  k38 @ .  forty c@ .  bar
	." arrays: "
	a0 10 bytes  a1 12 bytes  b1 200 bytes  b2 200 bytes  b3 200 bytes
	e1 20 bytes  e2 24 bytes  e3 24 bytes  bar ;

: t-change ( -- )
	." change: "
	1 v2 +!  v2 @ .  -8888 v3 +!  v3 @ .  256 v0 +!  v0 @ .
	511 c1 c!  c1 c@ .  v1 c@ .  v1 1+ c@ .  4660 e3 22 + !  e3 22 + @ h.
	e3 23 + c@ h.  e3 21 + c@ emit  [char] Z b3 199 + c!  b3 199 + c@ emit
	e1 19 + c@ emit  b2 e1 5 cmove  e1 c@ emit  e1 5 + c@ emit  bar ;

: t-edge ( -- )
	\ c1 is the last byte below the return stack: a loop stores into it
	\ while its parameters are on the return stack
	." edge: "
	0 10 0 do i c1 c!  c1 c@ + loop .  c1 c@ .  v0 @ .  bar ;

: main ( -- )
	t-const t-addr t-reg fill-all t-vars t-change t-edge ;
