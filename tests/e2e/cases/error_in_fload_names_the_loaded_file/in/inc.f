: ok ;

  oops
