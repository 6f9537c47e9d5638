; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
;***************************************************
;!### FORTH Word: t
_t
						; r."
	movlw	0x0
	call _romtype ;
						; r."
	movlw	0x1
	call _romtype ;
						; r."
	movlw	0x2
	call _romtype ;
						; r."
	movlw	0x3
	call _romtype ;
						; r."
	movlw	0x4
	call _romtype ;
						; r."
	movlw	0x5
	call _romtype ;
						; r."
	movlw	0x6
	call _romtype ;
						; r."
	movlw	0x7
	call _romtype ;
						; r."
	movlw	0x8
	call _romtype ;
						; r."
	movlw	0x9
	call _romtype ;
						; r."
	movlw	0xa
	call _romtype ;
						; r."
	movlw	0xb
	call _romtype ;
						; r."
	movlw	0xc
	call _romtype ;
						; r."
	movlw	0xd
	call _romtype ;
						; r."
	movlw	0xe
	call _romtype ;
						; r."
	movlw	0xf
	call _romtype ;
						; r."
	movlw	0x10
	call _romtype ;
						; r."
	movlw	0x11
	call _romtype ;
						; r."
	movlw	0x12
	call _romtype ;
						; r."
	movlw	0x13
	call _romtype ;
						; r."
	movlw	0x14
	call _romtype ;
						; r."
	movlw	0x15
	call _romtype ;
						; r."
	movlw	0x16
	call _romtype ;
						; r."
	movlw	0x17
	call _romtype ;
						; r."
	movlw	0x18
	call _romtype ;
						; r."
	movlw	0x19
	call _romtype ;
						; r."
	movlw	0x1a
	call _romtype ;
						; r."
	movlw	0x1b
	call _romtype ;
						; r."
	movlw	0x1c
	call _romtype ;
						; r."
	movlw	0x1d
	call _romtype ;
						; r."
	movlw	0x1e
	call _romtype ;
						; r."
	movlw	0x1f
	call _romtype ;
						; r."
	movlw	0x20
	call _romtype ;
						; r."
	movlw	0x21
	call _romtype ;
						; r."
	movlw	0x22
	call _romtype ;
						; r."
	movlw	0x23
	call _romtype ;
						; r."
	movlw	0x24
	call _romtype ;
						; r."
	movlw	0x25
	call _romtype ;
						; r."
	movlw	0x26
	call _romtype ;
						; r."
	movlw	0x27
	call _romtype ;
						; r."
	movlw	0x28
	call _romtype ;
						; r."
	movlw	0x29
	call _romtype ;
						; r."
	movlw	0x2a
	call _romtype ;
						; r."
	movlw	0x2b
	call _romtype ;
						; r."
	movlw	0x2c
	call _romtype ;
						; r."
	movlw	0x2d
	call _romtype ;
						; r."
	movlw	0x2e
	call _romtype ;
						; r."
	movlw	0x2f
	call _romtype ;
						; r."
	movlw	0x30
	call _romtype ;
						; r."
	movlw	0x31
	call _romtype ;
						; r."
	movlw	0x32
	call _romtype ;
						; r."
	movlw	0x33
	call _romtype ;
						; r."
	movlw	0x34
	call _romtype ;
						; r."
	movlw	0x35
	call _romtype ;
						; r."
	movlw	0x36
	call _romtype ;
						; r."
	movlw	0x37
	call _romtype ;
						; r."
	movlw	0x38
	call _romtype ;
						; r."
	movlw	0x39
	call _romtype ;
						; r."
	movlw	0x3a
	call _romtype ;
						; r."
	movlw	0x3b
	call _romtype ;
						; r."
	movlw	0x3c
	call _romtype ;
						; r."
	movlw	0x3d
	call _romtype ;
						; r."
	movlw	0x3e
	call _romtype ;
						; r."
	movlw	0x3f
	call _romtype ;
						; r."
	movlw	0x40
	call _romtype ;
						; r."
	movlw	0x41
	call _romtype ;
						; r."
	movlw	0x42
	call _romtype ;
						; r."
	movlw	0x43
	call _romtype ;
						; r."
	movlw	0x44
	call _romtype ;
						; r."
	movlw	0x45
	call _romtype ;
						; r."
	movlw	0x46
	call _romtype ;
						; r."
	movlw	0x47
	call _romtype ;
						; r."
	movlw	0x48
	call _romtype ;
						; r."
	movlw	0x49
	call _romtype ;
						; r."
	movlw	0x4a
	call _romtype ;
						; r."
	movlw	0x4b
	call _romtype ;
						; r."
	movlw	0x4c
	call _romtype ;
						; r."
	movlw	0x4d
	call _romtype ;
						; r."
	movlw	0x4e
	call _romtype ;
						; r."
	movlw	0x4f
	call _romtype ;
						; r."
	movlw	0x50
	call _romtype ;
						; r."
	movlw	0x51
	call _romtype ;
						; r."
	movlw	0x52
	call _romtype ;
						; r."
	movlw	0x53
	call _romtype ;
						; r."
	movlw	0x54
	call _romtype ;
						; r."
	movlw	0x55
	call _romtype ;
						; r."
	movlw	0x56
	call _romtype ;
						; r."
	movlw	0x57
	call _romtype ;
						; r."
	movlw	0x58
	call _romtype ;
						; r."
	movlw	0x59
	call _romtype ;
						; r."
	movlw	0x5a
	call _romtype ;
						; r."
	movlw	0x5b
	call _romtype ;
						; r."
	movlw	0x5c
	call _romtype ;
						; r."
	movlw	0x5d
	call _romtype ;
						; r."
	movlw	0x5e
	call _romtype ;
						; r."
	movlw	0x5f
	call _romtype ;
						; r."
	movlw	0x60
	call _romtype ;
						; r."
	movlw	0x61
	call _romtype ;
						; r."
	movlw	0x62
	call _romtype ;
						; r."
	movlw	0x63
	call _romtype ;
						; r."
	movlw	0x64
	call _romtype ;
						; r."
	movlw	0x65
	call _romtype ;
						; r."
	movlw	0x66
	call _romtype ;
						; r."
	movlw	0x67
	call _romtype ;
						; r."
	movlw	0x68
	call _romtype ;
						; r."
	movlw	0x69
	call _romtype ;
						; r."
	movlw	0x6a
	call _romtype ;
						; r."
	movlw	0x6b
	call _romtype ;
						; r."
	movlw	0x6c
	call _romtype ;
						; r."
	movlw	0x6d
	call _romtype ;
						; r."
	movlw	0x6e
	call _romtype ;
						; r."
	movlw	0x6f
	call _romtype ;
						; r."
	movlw	0x70
	call _romtype ;
						; r."
	movlw	0x71
	call _romtype ;
						; r."
	movlw	0x72
	call _romtype ;
						; r."
	movlw	0x73
	call _romtype ;
						; r."
	movlw	0x74
	call _romtype ;
						; r."
	movlw	0x75
	call _romtype ;
						; r."
	movlw	0x76
	call _romtype ;
						; r."
	movlw	0x77
	call _romtype ;
						; r."
	movlw	0x78
	call _romtype ;
						; r."
	movlw	0x79
	call _romtype ;
						; r."
	movlw	0x7a
	call _romtype ;
						; r."
	movlw	0x7b
	call _romtype ;
						; r."
	movlw	0x7c
	call _romtype ;
						; r."
	movlw	0x7d
	call _romtype ;
						; r."
	movlw	0x7e
	call _romtype ;
						; r."
	movlw	0x7f
	call _romtype ;
						; r."
	movlw	0x80
	call _romtype ;
						; r."
	movlw	0x81
	call _romtype ;
						; r."
	movlw	0x82
	call _romtype ;
						; r."
	movlw	0x83
	call _romtype ;
						; r."
	movlw	0x84
	call _romtype ;
						; r."
	movlw	0x85
	call _romtype ;
						; r."
	movlw	0x86
	call _romtype ;
						; r."
	movlw	0x87
	call _romtype ;
						; r."
	movlw	0x88
	call _romtype ;
						; r."
	movlw	0x89
	call _romtype ;
						; r."
	movlw	0x8a
	call _romtype ;
						; r."
	movlw	0x8b
	call _romtype ;
						; r."
	movlw	0x8c
	call _romtype ;
						; r."
	movlw	0x8d
	call _romtype ;
						; r."
	movlw	0x8e
	call _romtype ;
						; r."
	movlw	0x8f
	call _romtype ;
						; r."
	movlw	0x90
	call _romtype ;
						; r."
	movlw	0x91
	call _romtype ;
						; r."
	movlw	0x92
	call _romtype ;
						; r."
	movlw	0x93
	call _romtype ;
						; r."
	movlw	0x94
	call _romtype ;
						; r."
	movlw	0x95
	call _romtype ;
						; r."
	movlw	0x96
	call _romtype ;
						; r."
	movlw	0x97
	call _romtype ;
						; r."
	movlw	0x98
	call _romtype ;
						; r."
	movlw	0x99
	call _romtype ;
						; r."
	movlw	0x9a
	call _romtype ;
						; r."
	movlw	0x9b
	call _romtype ;
						; r."
	movlw	0x9c
	call _romtype ;
						; r."
	movlw	0x9d
	call _romtype ;
						; r."
	movlw	0x9e
	call _romtype ;
						; r."
	movlw	0x9f
	call _romtype ;
						; r."
	movlw	0xa0
	call _romtype ;
						; r."
	movlw	0xa1
	call _romtype ;
						; r."
	movlw	0xa2
	call _romtype ;
						; r."
	movlw	0xa3
	call _romtype ;
						; r."
	movlw	0xa4
	call _romtype ;
						; r."
	movlw	0xa5
	call _romtype ;
						; r."
	movlw	0xa6
	call _romtype ;
						; r."
	movlw	0xa7
	call _romtype ;
						; r."
	movlw	0xa8
	call _romtype ;
						; r."
	movlw	0xa9
	call _romtype ;
						; r."
	movlw	0xaa
	call _romtype ;
						; r."
	movlw	0xab
	call _romtype ;
						; r."
	movlw	0xac
	call _romtype ;
						; r."
	movlw	0xad
	call _romtype ;
						; r."
	movlw	0xae
	call _romtype ;
						; r."
	movlw	0xaf
	call _romtype ;
						; r."
	movlw	0xb0
	call _romtype ;
						; r."
	movlw	0xb1
	call _romtype ;
						; r."
	movlw	0xb2
	call _romtype ;
						; r."
	movlw	0xb3
	call _romtype ;
						; r."
	movlw	0xb4
	call _romtype ;
						; r."
	movlw	0xb5
	call _romtype ;
						; r."
	movlw	0xb6
	call _romtype ;
						; r."
	movlw	0xb7
	call _romtype ;
						; r."
	movlw	0xb8
	call _romtype ;
						; r."
	movlw	0xb9
	call _romtype ;
						; r."
	movlw	0xba
	call _romtype ;
						; r."
	movlw	0xbb
	call _romtype ;
						; r."
	movlw	0xbc
	call _romtype ;
						; r."
	movlw	0xbd
	call _romtype ;
						; r."
	movlw	0xbe
	call _romtype ;
						; r."
	movlw	0xbf
	call _romtype ;
						; r."
	movlw	0xc0
	call _romtype ;
						; r."
	movlw	0xc1
	call _romtype ;
						; r."
	movlw	0xc2
	call _romtype ;
						; r."
	movlw	0xc3
	call _romtype ;
						; r."
	movlw	0xc4
	call _romtype ;
						; r."
	movlw	0xc5
	call _romtype ;
						; r."
	movlw	0xc6
	call _romtype ;
						; r."
	movlw	0xc7
	call _romtype ;
						; r."
	movlw	0xc8
	call _romtype ;
						; r."
	movlw	0xc9
	call _romtype ;
						; r."
	movlw	0xca
	call _romtype ;
						; r."
	movlw	0xcb
	call _romtype ;
						; r."
	movlw	0xcc
	call _romtype ;
						; r."
	movlw	0xcd
	call _romtype ;
						; r."
	movlw	0xce
	call _romtype ;
						; r."
	movlw	0xcf
	call _romtype ;
						; r."
	movlw	0xd0
	call _romtype ;
						; r."
	movlw	0xd1
	call _romtype ;
						; r."
	movlw	0xd2
	call _romtype ;
						; r."
	movlw	0xd3
	call _romtype ;
						; r."
	movlw	0xd4
	call _romtype ;
						; r."
	movlw	0xd5
	call _romtype ;
						; r."
	movlw	0xd6
	call _romtype ;
						; r."
	movlw	0xd7
	call _romtype ;
						; r."
	movlw	0xd8
	call _romtype ;
						; r."
	movlw	0xd9
	call _romtype ;
						; r."
	movlw	0xda
	call _romtype ;
						; r."
	movlw	0xdb
	call _romtype ;
						; r."
	movlw	0xdc
	call _romtype ;
						; r."
	movlw	0xdd
	call _romtype ;
						; r."
	movlw	0xde
	call _romtype ;
						; r."
	movlw	0xdf
	call _romtype ;
						; r."
	movlw	0xe0
	call _romtype ;
						; r."
	movlw	0xe1
	call _romtype ;
						; r."
	movlw	0xe2
	call _romtype ;
						; r."
	movlw	0xe3
	call _romtype ;
						; r."
	movlw	0xe4
	call _romtype ;
						; r."
	movlw	0xe5
	call _romtype ;
						; r."
	movlw	0xe6
	call _romtype ;
						; r."
	movlw	0xe7
	call _romtype ;
						; r."
	movlw	0xe8
	call _romtype ;
						; r."
	movlw	0xe9
	call _romtype ;
						; r."
	movlw	0xea
	call _romtype ;
						; r."
	movlw	0xeb
	call _romtype ;
						; r."
	movlw	0xec
	call _romtype ;
						; r."
	movlw	0xed
	call _romtype ;
						; r."
	movlw	0xee
	call _romtype ;
						; r."
	movlw	0xef
	call _romtype ;
						; r."
	movlw	0xf0
	call _romtype ;
						; r."
	movlw	0xf1
	call _romtype ;
						; r."
	movlw	0xf2
	call _romtype ;
						; r."
	movlw	0xf3
	call _romtype ;
						; r."
	movlw	0xf4
	call _romtype ;
						; r."
	movlw	0xf5
	call _romtype ;
						; r."
	movlw	0xf6
	call _romtype ;
						; r."
	movlw	0xf7
	call _romtype ;
						; r."
	movlw	0xf8
	call _romtype ;
						; r."
	movlw	0xf9
	call _romtype ;
						; r."
	movlw	0xfa
	call _romtype ;
						; r."
	movlw	0xfb
	call _romtype ;
						; r."
	movlw	0xfc
	call _romtype ;
						; r."
	movlw	0xfd
	call _romtype ;
						; r."
	movlw	0xfe
	call _romtype ;
						; r."
	movlw	0xff
	call _romtype ;
