: _k_start ;  : shown ;  : helper ;  : called ;  : KPLAIN ;  : _KPLAIN ;
