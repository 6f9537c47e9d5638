: t r." abc" r." defgh" ;
