: t if endcase then ;
