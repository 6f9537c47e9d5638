\ Compiles, but the assembler refuses the instruction.
fload core.f
code broken
	notaninstruction	5
endcode
: main  broken ;
