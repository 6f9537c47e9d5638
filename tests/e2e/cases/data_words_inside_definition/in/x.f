: t variable ;
