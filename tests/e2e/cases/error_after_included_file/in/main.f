fload inc.f

oops
