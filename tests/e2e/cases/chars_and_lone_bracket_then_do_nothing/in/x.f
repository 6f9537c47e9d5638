5 chars [then] . cr
