8 :interrupt i1 interrupt;
16 :interrupt i2 interrupt;
24 :interrupt i3 interrupt;
32 :interrupt i4 interrupt;
32 :interrupt i5 interrupt;
