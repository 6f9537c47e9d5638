8 :interrupt tick begin interrupt;
