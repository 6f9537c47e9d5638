: t s" abc" s" " p." hi there" ." two  blanks" s"
next line" ;
: u [char] ABC [char] 7 ;
