[if]
