



: ok ;
