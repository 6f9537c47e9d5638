variable v0
variable v1
variable v2
variable v3
variable v4
variable v5
variable v6
variable v7
variable v8
variable v9
variable v10
variable v11
variable v12
variable v13
variable v14
2variable two
variable after
cvariable c1
10 cells array buf
0 array empty
variable same
38 constant k38
