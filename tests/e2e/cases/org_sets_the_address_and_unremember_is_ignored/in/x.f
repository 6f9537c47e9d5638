2048 org
unremember
-1 org
