fload one.f fload two.f fload both.f
