0 array empty
variable first
cvariable second
