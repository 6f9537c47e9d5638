\ Sends back the first three bytes the USART receives.
fload core.f
: main  key emit key emit key emit ;
