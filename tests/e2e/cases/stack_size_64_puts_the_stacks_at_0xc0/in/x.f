variable v
