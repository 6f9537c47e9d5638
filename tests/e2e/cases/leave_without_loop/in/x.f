: t leave ;
