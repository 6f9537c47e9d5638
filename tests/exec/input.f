\ input.f -- key and key? read what the simulator feeds USART1's receiver
\ (pic17sim --input): "hello09a line." here.

fload core.f

: bar ( -- )  [char] | emit cr ;

: upper ( c -- c' )  dup [char] a [char] z 1+ within if 32 - then ;

: main ( -- )
	." key?: "  key? .  bar
	." keys: "  5 0 do key upper emit loop  bar
	." codes: "  key .  key .  key? .  bar
	." line: "  begin key dup [char] . <> while emit repeat drop  bar
	." key?: "  key? .  bar ;
