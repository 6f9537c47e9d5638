\ A library: the words after [library] may be defined again.
: early ( -- ) ;
[library]
: twice ( -- )  early early ;
5 constant five
variable v
: quad ( -- )  twice twice ;
