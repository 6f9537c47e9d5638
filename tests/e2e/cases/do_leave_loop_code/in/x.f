: A ;
: B ;
: 2>r ;
: skip begin again begin again begin again begin again begin again ;
: t do A leave B loop ;
