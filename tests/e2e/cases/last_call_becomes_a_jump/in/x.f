: foo ;
: a foo ( done ) ;
: b foo \ to the end
 ( two ) ( comments ) ;
: c if foo exit then 1 ;
: d if foo exit then foo ;
: e foo EXIT ;
: f 5 ;
