: t ['] nothing ;
