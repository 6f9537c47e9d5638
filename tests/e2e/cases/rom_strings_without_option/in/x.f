pstrings
: t r." hello" ;
