code open
	nop
	return