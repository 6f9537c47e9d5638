: two ;
