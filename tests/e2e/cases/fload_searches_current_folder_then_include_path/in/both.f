: both-here ;
