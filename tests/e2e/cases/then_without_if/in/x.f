: t then ;
