

fload inc.f
