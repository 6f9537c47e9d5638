: both-lib ;
