: b ;
fload two.f
