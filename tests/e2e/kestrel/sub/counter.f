variable counter
: bump ( -- )  1 counter +! ;
