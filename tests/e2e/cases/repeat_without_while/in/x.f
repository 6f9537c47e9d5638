: t begin repeat ;
