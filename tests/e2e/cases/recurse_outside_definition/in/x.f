: a ;
] recurse
