: if ;
