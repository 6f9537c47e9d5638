224 array ok1
225 array toobig
