: one ;
