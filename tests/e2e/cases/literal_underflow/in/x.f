: t literal ;
