10 3 - . cr 3 10 - . cr 5 5 = . 5 6 = . 0 0= . -1 0= . cr 10 cells . cr 65535 65536 * . cr 12 10 and . 12 10 or . cr -5 . 1 . 2 . cr 2147483647 1 + . cr
10 cells array buffer
