( a comment
over two lines )
\ and a line comment
( unclosed