: t
  ." c:\temp"  p." \"  s" a;b 'c'"  s" two
lines\" ." "
  r." rom\n" r." rom
lines"
;
