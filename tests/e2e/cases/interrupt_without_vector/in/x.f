:interrupt tick interrupt;
