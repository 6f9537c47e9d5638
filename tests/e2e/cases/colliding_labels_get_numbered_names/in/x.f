\ Mangled forms, in both orders; characters no label takes
: a+ ;  : aKZ_QZX_ ;  : bKZ_QZX_ ;  : b+ ;  : !! ;  : AZ! ;
: a|b ;  : {~} ;  : aéb ;
\ Run-time, assembler and numbered labels
: false ;  : pushtop ;  : _Config ;  : _17C756A ;  : XT_OSC ;  : _maxram_ ;
: _endif0x0 ;  : string_0x1 ;  : _endif ;
\ Data words own a "_PTR" label too
: v_PTR ;  variable v  variable w  : w_PTR ;  42 constant c+  cvariable c2
\ Names the run-time calls, in other letter cases
: Square ;  : 2>R ;
: MAIN ['] square ['] SQUARE ['] a+ ['] c2 0 0 do loop ;
\ Labels of code blocks
code k
__c_here:
	return
endcode
: _c_here ;
