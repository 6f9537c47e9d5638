7 constant cr
