\ hello.f -- print a greeting on USART1 (9600 baud at 16 MHz, see
\ lib/kcomp.inc) and stop.
\
\   kcomp -i ../lib -o hello.asm hello.f
\   kstrip hello.asm
\   gpasm hello.asm                         -> hello.hex

fload core.f

: greet ( -- )  ." Hello, world!" cr ;

: main ( -- )
	greet
	s" KESTREL on a PIC17C756A" type cr ;
