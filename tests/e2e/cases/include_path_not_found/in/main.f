fload missing.f
