70000 constant big
