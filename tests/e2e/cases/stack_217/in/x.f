cvariable a
cvariable b
