assert( x )
