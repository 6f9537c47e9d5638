; Start of the stack area.
RSTACKORG  equ 0x46
	#include "@DIR@/kcomp.inc"
; internal.inc: run-time stub
_pushtop
	return
						; ::
;***************************************************
;!### RCALL Word: r
_r
	call __rcall_prologue
						; ;
	goto __rcall_return
;***************************************************
;***************************************************
;!### FORTH Word: u
_u
						; r
	movlw 0x0
	goto _r
__RETNUM0x0
						; r
	movlw 0x1
	goto _r
__RETNUM0x1
						; r
	movlw 0x2
	goto _r
__RETNUM0x2
						; r
	movlw 0x3
	goto _r
__RETNUM0x3
						; r
	movlw 0x4
	goto _r
__RETNUM0x4
						; r
	movlw 0x5
	goto _r
__RETNUM0x5
						; r
	movlw 0x6
	goto _r
__RETNUM0x6
						; r
	movlw 0x7
	goto _r
__RETNUM0x7
						; r
	movlw 0x8
	goto _r
__RETNUM0x8
						; r
	movlw 0x9
	goto _r
__RETNUM0x9
						; r
	movlw 0xa
	goto _r
__RETNUM0xa
						; r
	movlw 0xb
	goto _r
__RETNUM0xb
						; r
	movlw 0xc
	goto _r
__RETNUM0xc
						; r
	movlw 0xd
	goto _r
__RETNUM0xd
						; r
	movlw 0xe
	goto _r
__RETNUM0xe
						; r
	movlw 0xf
	goto _r
__RETNUM0xf
						; r
	movlw 0x10
	goto _r
__RETNUM0x10
						; r
	movlw 0x11
	goto _r
__RETNUM0x11
						; r
	movlw 0x12
	goto _r
__RETNUM0x12
						; r
	movlw 0x13
	goto _r
__RETNUM0x13
						; r
	movlw 0x14
	goto _r
__RETNUM0x14
						; r
	movlw 0x15
	goto _r
__RETNUM0x15
						; r
	movlw 0x16
	goto _r
__RETNUM0x16
						; r
	movlw 0x17
	goto _r
__RETNUM0x17
						; r
	movlw 0x18
	goto _r
__RETNUM0x18
						; r
	movlw 0x19
	goto _r
__RETNUM0x19
						; r
	movlw 0x1a
	goto _r
__RETNUM0x1a
						; r
	movlw 0x1b
	goto _r
__RETNUM0x1b
						; r
	movlw 0x1c
	goto _r
__RETNUM0x1c
						; r
	movlw 0x1d
	goto _r
__RETNUM0x1d
						; r
	movlw 0x1e
	goto _r
__RETNUM0x1e
						; r
	movlw 0x1f
	goto _r
__RETNUM0x1f
						; r
	movlw 0x20
	goto _r
__RETNUM0x20
						; r
	movlw 0x21
	goto _r
__RETNUM0x21
						; r
	movlw 0x22
	goto _r
__RETNUM0x22
						; r
	movlw 0x23
	goto _r
__RETNUM0x23
						; r
	movlw 0x24
	goto _r
__RETNUM0x24
						; r
	movlw 0x25
	goto _r
__RETNUM0x25
						; r
	movlw 0x26
	goto _r
__RETNUM0x26
						; r
	movlw 0x27
	goto _r
__RETNUM0x27
						; r
	movlw 0x28
	goto _r
__RETNUM0x28
						; r
	movlw 0x29
	goto _r
__RETNUM0x29
						; r
	movlw 0x2a
	goto _r
__RETNUM0x2a
						; r
	movlw 0x2b
	goto _r
__RETNUM0x2b
						; r
	movlw 0x2c
	goto _r
__RETNUM0x2c
						; r
	movlw 0x2d
	goto _r
__RETNUM0x2d
						; r
	movlw 0x2e
	goto _r
__RETNUM0x2e
						; r
	movlw 0x2f
	goto _r
__RETNUM0x2f
						; r
	movlw 0x30
	goto _r
__RETNUM0x30
						; r
	movlw 0x31
	goto _r
__RETNUM0x31
						; r
	movlw 0x32
	goto _r
__RETNUM0x32
						; r
	movlw 0x33
	goto _r
__RETNUM0x33
						; r
	movlw 0x34
	goto _r
__RETNUM0x34
						; r
	movlw 0x35
	goto _r
__RETNUM0x35
						; r
	movlw 0x36
	goto _r
__RETNUM0x36
						; r
	movlw 0x37
	goto _r
__RETNUM0x37
						; r
	movlw 0x38
	goto _r
__RETNUM0x38
						; r
	movlw 0x39
	goto _r
__RETNUM0x39
						; r
	movlw 0x3a
	goto _r
__RETNUM0x3a
						; r
	movlw 0x3b
	goto _r
__RETNUM0x3b
						; r
	movlw 0x3c
	goto _r
__RETNUM0x3c
						; r
	movlw 0x3d
	goto _r
__RETNUM0x3d
						; r
	movlw 0x3e
	goto _r
__RETNUM0x3e
						; r
	movlw 0x3f
	goto _r
__RETNUM0x3f
						; r
	movlw 0x40
	goto _r
__RETNUM0x40
						; r
	movlw 0x41
	goto _r
__RETNUM0x41
						; r
	movlw 0x42
	goto _r
__RETNUM0x42
						; r
	movlw 0x43
	goto _r
__RETNUM0x43
						; r
	movlw 0x44
	goto _r
__RETNUM0x44
						; r
	movlw 0x45
	goto _r
__RETNUM0x45
						; r
	movlw 0x46
	goto _r
__RETNUM0x46
						; r
	movlw 0x47
	goto _r
__RETNUM0x47
						; r
	movlw 0x48
	goto _r
__RETNUM0x48
						; r
	movlw 0x49
	goto _r
__RETNUM0x49
						; r
	movlw 0x4a
	goto _r
__RETNUM0x4a
						; r
	movlw 0x4b
	goto _r
__RETNUM0x4b
						; r
	movlw 0x4c
	goto _r
__RETNUM0x4c
						; r
	movlw 0x4d
	goto _r
__RETNUM0x4d
						; r
	movlw 0x4e
	goto _r
__RETNUM0x4e
						; r
	movlw 0x4f
	goto _r
__RETNUM0x4f
						; r
	movlw 0x50
	goto _r
__RETNUM0x50
						; r
	movlw 0x51
	goto _r
__RETNUM0x51
						; r
	movlw 0x52
	goto _r
__RETNUM0x52
						; r
	movlw 0x53
	goto _r
__RETNUM0x53
						; r
	movlw 0x54
	goto _r
__RETNUM0x54
						; r
	movlw 0x55
	goto _r
__RETNUM0x55
						; r
	movlw 0x56
	goto _r
__RETNUM0x56
						; r
	movlw 0x57
	goto _r
__RETNUM0x57
						; r
	movlw 0x58
	goto _r
__RETNUM0x58
						; r
	movlw 0x59
	goto _r
__RETNUM0x59
						; r
	movlw 0x5a
	goto _r
__RETNUM0x5a
						; r
	movlw 0x5b
	goto _r
__RETNUM0x5b
						; r
	movlw 0x5c
	goto _r
__RETNUM0x5c
						; r
	movlw 0x5d
	goto _r
__RETNUM0x5d
						; r
	movlw 0x5e
	goto _r
__RETNUM0x5e
						; r
	movlw 0x5f
	goto _r
__RETNUM0x5f
						; r
	movlw 0x60
	goto _r
__RETNUM0x60
						; r
	movlw 0x61
	goto _r
__RETNUM0x61
						; r
	movlw 0x62
	goto _r
__RETNUM0x62
						; r
	movlw 0x63
	goto _r
__RETNUM0x63
						; r
	movlw 0x64
	goto _r
__RETNUM0x64
						; r
	movlw 0x65
	goto _r
__RETNUM0x65
						; r
	movlw 0x66
	goto _r
__RETNUM0x66
						; r
	movlw 0x67
	goto _r
__RETNUM0x67
						; r
	movlw 0x68
	goto _r
__RETNUM0x68
						; r
	movlw 0x69
	goto _r
__RETNUM0x69
						; r
	movlw 0x6a
	goto _r
__RETNUM0x6a
						; r
	movlw 0x6b
	goto _r
__RETNUM0x6b
						; r
	movlw 0x6c
	goto _r
__RETNUM0x6c
						; r
	movlw 0x6d
	goto _r
__RETNUM0x6d
						; r
	movlw 0x6e
	goto _r
__RETNUM0x6e
						; r
	movlw 0x6f
	goto _r
__RETNUM0x6f
						; r
	movlw 0x70
	goto _r
__RETNUM0x70
						; r
	movlw 0x71
	goto _r
__RETNUM0x71
						; r
	movlw 0x72
	goto _r
__RETNUM0x72
						; r
	movlw 0x73
	goto _r
__RETNUM0x73
						; r
	movlw 0x74
	goto _r
__RETNUM0x74
						; r
	movlw 0x75
	goto _r
__RETNUM0x75
						; r
	movlw 0x76
	goto _r
__RETNUM0x76
						; r
	movlw 0x77
	goto _r
__RETNUM0x77
						; r
	movlw 0x78
	goto _r
__RETNUM0x78
						; r
	movlw 0x79
	goto _r
__RETNUM0x79
						; r
	movlw 0x7a
	goto _r
__RETNUM0x7a
						; r
	movlw 0x7b
	goto _r
__RETNUM0x7b
						; r
	movlw 0x7c
	goto _r
__RETNUM0x7c
						; r
	movlw 0x7d
	goto _r
__RETNUM0x7d
						; r
	movlw 0x7e
	goto _r
__RETNUM0x7e
						; r
	movlw 0x7f
	goto _r
__RETNUM0x7f
						; r
	movlw 0x80
	goto _r
__RETNUM0x80
						; r
	movlw 0x81
	goto _r
__RETNUM0x81
						; r
	movlw 0x82
	goto _r
__RETNUM0x82
						; r
	movlw 0x83
	goto _r
__RETNUM0x83
						; r
	movlw 0x84
	goto _r
__RETNUM0x84
						; r
	movlw 0x85
	goto _r
__RETNUM0x85
						; r
	movlw 0x86
	goto _r
__RETNUM0x86
						; r
	movlw 0x87
	goto _r
__RETNUM0x87
						; r
	movlw 0x88
	goto _r
__RETNUM0x88
						; r
	movlw 0x89
	goto _r
__RETNUM0x89
						; r
	movlw 0x8a
	goto _r
__RETNUM0x8a
						; r
	movlw 0x8b
	goto _r
__RETNUM0x8b
						; r
	movlw 0x8c
	goto _r
__RETNUM0x8c
						; r
	movlw 0x8d
	goto _r
__RETNUM0x8d
						; r
	movlw 0x8e
	goto _r
__RETNUM0x8e
						; r
	movlw 0x8f
	goto _r
__RETNUM0x8f
						; r
	movlw 0x90
	goto _r
__RETNUM0x90
						; r
	movlw 0x91
	goto _r
__RETNUM0x91
						; r
	movlw 0x92
	goto _r
__RETNUM0x92
						; r
	movlw 0x93
	goto _r
__RETNUM0x93
						; r
	movlw 0x94
	goto _r
__RETNUM0x94
						; r
	movlw 0x95
	goto _r
__RETNUM0x95
						; r
	movlw 0x96
	goto _r
__RETNUM0x96
						; r
	movlw 0x97
	goto _r
__RETNUM0x97
						; r
	movlw 0x98
	goto _r
__RETNUM0x98
						; r
	movlw 0x99
	goto _r
__RETNUM0x99
						; r
	movlw 0x9a
	goto _r
__RETNUM0x9a
						; r
	movlw 0x9b
	goto _r
__RETNUM0x9b
						; r
	movlw 0x9c
	goto _r
__RETNUM0x9c
						; r
	movlw 0x9d
	goto _r
__RETNUM0x9d
						; r
	movlw 0x9e
	goto _r
__RETNUM0x9e
						; r
	movlw 0x9f
	goto _r
__RETNUM0x9f
						; r
	movlw 0xa0
	goto _r
__RETNUM0xa0
						; r
	movlw 0xa1
	goto _r
__RETNUM0xa1
						; r
	movlw 0xa2
	goto _r
__RETNUM0xa2
						; r
	movlw 0xa3
	goto _r
__RETNUM0xa3
						; r
	movlw 0xa4
	goto _r
__RETNUM0xa4
						; r
	movlw 0xa5
	goto _r
__RETNUM0xa5
						; r
	movlw 0xa6
	goto _r
__RETNUM0xa6
						; r
	movlw 0xa7
	goto _r
__RETNUM0xa7
						; r
	movlw 0xa8
	goto _r
__RETNUM0xa8
						; r
	movlw 0xa9
	goto _r
__RETNUM0xa9
						; r
	movlw 0xaa
	goto _r
__RETNUM0xaa
						; r
	movlw 0xab
	goto _r
__RETNUM0xab
						; r
	movlw 0xac
	goto _r
__RETNUM0xac
						; r
	movlw 0xad
	goto _r
__RETNUM0xad
						; r
	movlw 0xae
	goto _r
__RETNUM0xae
						; r
	movlw 0xaf
	goto _r
__RETNUM0xaf
						; r
	movlw 0xb0
	goto _r
__RETNUM0xb0
						; r
	movlw 0xb1
	goto _r
__RETNUM0xb1
						; r
	movlw 0xb2
	goto _r
__RETNUM0xb2
						; r
	movlw 0xb3
	goto _r
__RETNUM0xb3
						; r
	movlw 0xb4
	goto _r
__RETNUM0xb4
						; r
	movlw 0xb5
	goto _r
__RETNUM0xb5
						; r
	movlw 0xb6
	goto _r
__RETNUM0xb6
						; r
	movlw 0xb7
	goto _r
__RETNUM0xb7
						; r
	movlw 0xb8
	goto _r
__RETNUM0xb8
						; r
	movlw 0xb9
	goto _r
__RETNUM0xb9
						; r
	movlw 0xba
	goto _r
__RETNUM0xba
						; r
	movlw 0xbb
	goto _r
__RETNUM0xbb
						; r
	movlw 0xbc
	goto _r
__RETNUM0xbc
						; r
	movlw 0xbd
	goto _r
__RETNUM0xbd
						; r
	movlw 0xbe
	goto _r
__RETNUM0xbe
						; r
	movlw 0xbf
	goto _r
__RETNUM0xbf
						; r
	movlw 0xc0
	goto _r
__RETNUM0xc0
						; r
	movlw 0xc1
	goto _r
__RETNUM0xc1
						; r
	movlw 0xc2
	goto _r
__RETNUM0xc2
						; r
	movlw 0xc3
	goto _r
__RETNUM0xc3
						; r
	movlw 0xc4
	goto _r
__RETNUM0xc4
						; r
	movlw 0xc5
	goto _r
__RETNUM0xc5
						; r
	movlw 0xc6
	goto _r
__RETNUM0xc6
						; r
	movlw 0xc7
	goto _r
__RETNUM0xc7
						; r
	movlw 0xc8
	goto _r
__RETNUM0xc8
						; r
	movlw 0xc9
	goto _r
__RETNUM0xc9
						; r
	movlw 0xca
	goto _r
__RETNUM0xca
						; r
	movlw 0xcb
	goto _r
__RETNUM0xcb
						; r
	movlw 0xcc
	goto _r
__RETNUM0xcc
						; r
	movlw 0xcd
	goto _r
__RETNUM0xcd
						; r
	movlw 0xce
	goto _r
__RETNUM0xce
						; r
	movlw 0xcf
	goto _r
__RETNUM0xcf
						; r
	movlw 0xd0
	goto _r
__RETNUM0xd0
						; r
	movlw 0xd1
	goto _r
__RETNUM0xd1
						; r
	movlw 0xd2
	goto _r
__RETNUM0xd2
						; r
	movlw 0xd3
	goto _r
__RETNUM0xd3
						; r
	movlw 0xd4
	goto _r
__RETNUM0xd4
						; r
	movlw 0xd5
	goto _r
__RETNUM0xd5
						; r
	movlw 0xd6
	goto _r
__RETNUM0xd6
						; r
	movlw 0xd7
	goto _r
__RETNUM0xd7
						; r
	movlw 0xd8
	goto _r
__RETNUM0xd8
						; r
	movlw 0xd9
	goto _r
__RETNUM0xd9
						; r
	movlw 0xda
	goto _r
__RETNUM0xda
						; r
	movlw 0xdb
	goto _r
__RETNUM0xdb
						; r
	movlw 0xdc
	goto _r
__RETNUM0xdc
						; r
	movlw 0xdd
	goto _r
__RETNUM0xdd
						; r
	movlw 0xde
	goto _r
__RETNUM0xde
						; r
	movlw 0xdf
	goto _r
__RETNUM0xdf
						; r
	movlw 0xe0
	goto _r
__RETNUM0xe0
						; r
	movlw 0xe1
	goto _r
__RETNUM0xe1
						; r
	movlw 0xe2
	goto _r
__RETNUM0xe2
						; r
	movlw 0xe3
	goto _r
__RETNUM0xe3
						; r
	movlw 0xe4
	goto _r
__RETNUM0xe4
						; r
	movlw 0xe5
	goto _r
__RETNUM0xe5
						; r
	movlw 0xe6
	goto _r
__RETNUM0xe6
						; r
	movlw 0xe7
	goto _r
__RETNUM0xe7
						; r
	movlw 0xe8
	goto _r
__RETNUM0xe8
						; r
	movlw 0xe9
	goto _r
__RETNUM0xe9
						; r
	movlw 0xea
	goto _r
__RETNUM0xea
						; r
	movlw 0xeb
	goto _r
__RETNUM0xeb
						; r
	movlw 0xec
	goto _r
__RETNUM0xec
						; r
	movlw 0xed
	goto _r
__RETNUM0xed
						; r
	movlw 0xee
	goto _r
__RETNUM0xee
						; r
	movlw 0xef
	goto _r
__RETNUM0xef
						; r
	movlw 0xf0
	goto _r
__RETNUM0xf0
						; r
	movlw 0xf1
	goto _r
__RETNUM0xf1
						; r
	movlw 0xf2
	goto _r
__RETNUM0xf2
						; r
	movlw 0xf3
	goto _r
__RETNUM0xf3
						; r
	movlw 0xf4
	goto _r
__RETNUM0xf4
						; r
	movlw 0xf5
	goto _r
__RETNUM0xf5
						; r
	movlw 0xf6
	goto _r
__RETNUM0xf6
						; r
	movlw 0xf7
	goto _r
__RETNUM0xf7
						; r
	movlw 0xf8
	goto _r
__RETNUM0xf8
						; r
	movlw 0xf9
	goto _r
__RETNUM0xf9
						; r
	movlw 0xfa
	goto _r
__RETNUM0xfa
						; r
	movlw 0xfb
	goto _r
__RETNUM0xfb
						; r
	movlw 0xfc
	goto _r
__RETNUM0xfc
						; r
	movlw 0xfd
	goto _r
__RETNUM0xfd
						; r
	movlw 0xfe
	goto _r
__RETNUM0xfe
						; ;
	return
;***************************************************
; End of file: x.f.
; Literal Table 
__literal_table 
; String Table 
; Return Table 
__return_table
	DATA __RETNUM0x0
	DATA __RETNUM0x1
	DATA __RETNUM0x2
	DATA __RETNUM0x3
	DATA __RETNUM0x4
	DATA __RETNUM0x5
	DATA __RETNUM0x6
	DATA __RETNUM0x7
	DATA __RETNUM0x8
	DATA __RETNUM0x9
	DATA __RETNUM0xa
	DATA __RETNUM0xb
	DATA __RETNUM0xc
	DATA __RETNUM0xd
	DATA __RETNUM0xe
	DATA __RETNUM0xf
	DATA __RETNUM0x10
	DATA __RETNUM0x11
	DATA __RETNUM0x12
	DATA __RETNUM0x13
	DATA __RETNUM0x14
	DATA __RETNUM0x15
	DATA __RETNUM0x16
	DATA __RETNUM0x17
	DATA __RETNUM0x18
	DATA __RETNUM0x19
	DATA __RETNUM0x1a
	DATA __RETNUM0x1b
	DATA __RETNUM0x1c
	DATA __RETNUM0x1d
	DATA __RETNUM0x1e
	DATA __RETNUM0x1f
	DATA __RETNUM0x20
	DATA __RETNUM0x21
	DATA __RETNUM0x22
	DATA __RETNUM0x23
	DATA __RETNUM0x24
	DATA __RETNUM0x25
	DATA __RETNUM0x26
	DATA __RETNUM0x27
	DATA __RETNUM0x28
	DATA __RETNUM0x29
	DATA __RETNUM0x2a
	DATA __RETNUM0x2b
	DATA __RETNUM0x2c
	DATA __RETNUM0x2d
	DATA __RETNUM0x2e
	DATA __RETNUM0x2f
	DATA __RETNUM0x30
	DATA __RETNUM0x31
	DATA __RETNUM0x32
	DATA __RETNUM0x33
	DATA __RETNUM0x34
	DATA __RETNUM0x35
	DATA __RETNUM0x36
	DATA __RETNUM0x37
	DATA __RETNUM0x38
	DATA __RETNUM0x39
	DATA __RETNUM0x3a
	DATA __RETNUM0x3b
	DATA __RETNUM0x3c
	DATA __RETNUM0x3d
	DATA __RETNUM0x3e
	DATA __RETNUM0x3f
	DATA __RETNUM0x40
	DATA __RETNUM0x41
	DATA __RETNUM0x42
	DATA __RETNUM0x43
	DATA __RETNUM0x44
	DATA __RETNUM0x45
	DATA __RETNUM0x46
	DATA __RETNUM0x47
	DATA __RETNUM0x48
	DATA __RETNUM0x49
	DATA __RETNUM0x4a
	DATA __RETNUM0x4b
	DATA __RETNUM0x4c
	DATA __RETNUM0x4d
	DATA __RETNUM0x4e
	DATA __RETNUM0x4f
	DATA __RETNUM0x50
	DATA __RETNUM0x51
	DATA __RETNUM0x52
	DATA __RETNUM0x53
	DATA __RETNUM0x54
	DATA __RETNUM0x55
	DATA __RETNUM0x56
	DATA __RETNUM0x57
	DATA __RETNUM0x58
	DATA __RETNUM0x59
	DATA __RETNUM0x5a
	DATA __RETNUM0x5b
	DATA __RETNUM0x5c
	DATA __RETNUM0x5d
	DATA __RETNUM0x5e
	DATA __RETNUM0x5f
	DATA __RETNUM0x60
	DATA __RETNUM0x61
	DATA __RETNUM0x62
	DATA __RETNUM0x63
	DATA __RETNUM0x64
	DATA __RETNUM0x65
	DATA __RETNUM0x66
	DATA __RETNUM0x67
	DATA __RETNUM0x68
	DATA __RETNUM0x69
	DATA __RETNUM0x6a
	DATA __RETNUM0x6b
	DATA __RETNUM0x6c
	DATA __RETNUM0x6d
	DATA __RETNUM0x6e
	DATA __RETNUM0x6f
	DATA __RETNUM0x70
	DATA __RETNUM0x71
	DATA __RETNUM0x72
	DATA __RETNUM0x73
	DATA __RETNUM0x74
	DATA __RETNUM0x75
	DATA __RETNUM0x76
	DATA __RETNUM0x77
	DATA __RETNUM0x78
	DATA __RETNUM0x79
	DATA __RETNUM0x7a
	DATA __RETNUM0x7b
	DATA __RETNUM0x7c
	DATA __RETNUM0x7d
	DATA __RETNUM0x7e
	DATA __RETNUM0x7f
	DATA __RETNUM0x80
	DATA __RETNUM0x81
	DATA __RETNUM0x82
	DATA __RETNUM0x83
	DATA __RETNUM0x84
	DATA __RETNUM0x85
	DATA __RETNUM0x86
	DATA __RETNUM0x87
	DATA __RETNUM0x88
	DATA __RETNUM0x89
	DATA __RETNUM0x8a
	DATA __RETNUM0x8b
	DATA __RETNUM0x8c
	DATA __RETNUM0x8d
	DATA __RETNUM0x8e
	DATA __RETNUM0x8f
	DATA __RETNUM0x90
	DATA __RETNUM0x91
	DATA __RETNUM0x92
	DATA __RETNUM0x93
	DATA __RETNUM0x94
	DATA __RETNUM0x95
	DATA __RETNUM0x96
	DATA __RETNUM0x97
	DATA __RETNUM0x98
	DATA __RETNUM0x99
	DATA __RETNUM0x9a
	DATA __RETNUM0x9b
	DATA __RETNUM0x9c
	DATA __RETNUM0x9d
	DATA __RETNUM0x9e
	DATA __RETNUM0x9f
	DATA __RETNUM0xa0
	DATA __RETNUM0xa1
	DATA __RETNUM0xa2
	DATA __RETNUM0xa3
	DATA __RETNUM0xa4
	DATA __RETNUM0xa5
	DATA __RETNUM0xa6
	DATA __RETNUM0xa7
	DATA __RETNUM0xa8
	DATA __RETNUM0xa9
	DATA __RETNUM0xaa
	DATA __RETNUM0xab
	DATA __RETNUM0xac
	DATA __RETNUM0xad
	DATA __RETNUM0xae
	DATA __RETNUM0xaf
	DATA __RETNUM0xb0
	DATA __RETNUM0xb1
	DATA __RETNUM0xb2
	DATA __RETNUM0xb3
	DATA __RETNUM0xb4
	DATA __RETNUM0xb5
	DATA __RETNUM0xb6
	DATA __RETNUM0xb7
	DATA __RETNUM0xb8
	DATA __RETNUM0xb9
	DATA __RETNUM0xba
	DATA __RETNUM0xbb
	DATA __RETNUM0xbc
	DATA __RETNUM0xbd
	DATA __RETNUM0xbe
	DATA __RETNUM0xbf
	DATA __RETNUM0xc0
	DATA __RETNUM0xc1
	DATA __RETNUM0xc2
	DATA __RETNUM0xc3
	DATA __RETNUM0xc4
	DATA __RETNUM0xc5
	DATA __RETNUM0xc6
	DATA __RETNUM0xc7
	DATA __RETNUM0xc8
	DATA __RETNUM0xc9
	DATA __RETNUM0xca
	DATA __RETNUM0xcb
	DATA __RETNUM0xcc
	DATA __RETNUM0xcd
	DATA __RETNUM0xce
	DATA __RETNUM0xcf
	DATA __RETNUM0xd0
	DATA __RETNUM0xd1
	DATA __RETNUM0xd2
	DATA __RETNUM0xd3
	DATA __RETNUM0xd4
	DATA __RETNUM0xd5
	DATA __RETNUM0xd6
	DATA __RETNUM0xd7
	DATA __RETNUM0xd8
	DATA __RETNUM0xd9
	DATA __RETNUM0xda
	DATA __RETNUM0xdb
	DATA __RETNUM0xdc
	DATA __RETNUM0xdd
	DATA __RETNUM0xde
	DATA __RETNUM0xdf
	DATA __RETNUM0xe0
	DATA __RETNUM0xe1
	DATA __RETNUM0xe2
	DATA __RETNUM0xe3
	DATA __RETNUM0xe4
	DATA __RETNUM0xe5
	DATA __RETNUM0xe6
	DATA __RETNUM0xe7
	DATA __RETNUM0xe8
	DATA __RETNUM0xe9
	DATA __RETNUM0xea
	DATA __RETNUM0xeb
	DATA __RETNUM0xec
	DATA __RETNUM0xed
	DATA __RETNUM0xee
	DATA __RETNUM0xef
	DATA __RETNUM0xf0
	DATA __RETNUM0xf1
	DATA __RETNUM0xf2
	DATA __RETNUM0xf3
	DATA __RETNUM0xf4
	DATA __RETNUM0xf5
	DATA __RETNUM0xf6
	DATA __RETNUM0xf7
	DATA __RETNUM0xf8
	DATA __RETNUM0xf9
	DATA __RETNUM0xfa
	DATA __RETNUM0xfb
	DATA __RETNUM0xfc
	DATA __RETNUM0xfd
	DATA __RETNUM0xfe
; Interrupt Vector Table 
;***************************************************
	end
