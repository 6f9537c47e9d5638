variable count
count . cr
