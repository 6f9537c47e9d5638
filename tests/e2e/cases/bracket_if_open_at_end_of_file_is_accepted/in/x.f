0 [if] 1 . [else] 2 .
