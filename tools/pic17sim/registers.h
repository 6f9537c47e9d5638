// Register addresses and bits of the PIC17C756A that the simulator models.
//
// Data addresses follow the assembler convention bank * 256 + f: the
// unbanked registers have bank 0, the peripheral registers 0x10-0x17 carry
// their SFR bank (BSR bits 3:0) and general-purpose RAM 0x20-0xFF carries its
// GPR bank (BSR bits 7:4). PIR1 is therefore 0x116 and the first byte of GPR
// bank 1 is 0x120.
#pragma once

#include <cstdint>

namespace pic17sim {

// Core registers, never banked.
inline constexpr std::uint8_t kIndf0 = 0x00;
inline constexpr std::uint8_t kFsr0 = 0x01;
inline constexpr std::uint8_t kPcl = 0x02;
inline constexpr std::uint8_t kPclath = 0x03;
inline constexpr std::uint8_t kAlusta = 0x04;
inline constexpr std::uint8_t kT0sta = 0x05;
inline constexpr std::uint8_t kCpusta = 0x06;
inline constexpr std::uint8_t kIntsta = 0x07;
inline constexpr std::uint8_t kIndf1 = 0x08;
inline constexpr std::uint8_t kFsr1 = 0x09;
inline constexpr std::uint8_t kWreg = 0x0A;
inline constexpr std::uint8_t kTmr0l = 0x0B;
inline constexpr std::uint8_t kTmr0h = 0x0C;
inline constexpr std::uint8_t kTblptrl = 0x0D;
inline constexpr std::uint8_t kTblptrh = 0x0E;
inline constexpr std::uint8_t kBsr = 0x0F;
inline constexpr std::uint8_t kProdl = 0x18;
inline constexpr std::uint8_t kProdh = 0x19;

// Banked peripheral registers the simulator gives a behaviour.
inline constexpr std::uint16_t kRcreg1 = 0x014;
inline constexpr std::uint16_t kTxsta1 = 0x015;
inline constexpr std::uint16_t kTxreg1 = 0x016;
inline constexpr std::uint16_t kPir1 = 0x116;
inline constexpr std::uint16_t kPie1 = 0x117;
inline constexpr std::uint16_t kPir2 = 0x410;
inline constexpr std::uint16_t kPie2 = 0x411;

inline constexpr int kSfrBanks = 8;  // BSR<3:0> = 0..7 exist on the 756A
inline constexpr int kGprBanks = 4;  // BSR<7:4> = 0..3 exist on the 756A

// ALUSTA bits.
inline constexpr std::uint8_t kFlagC = 0x01;
inline constexpr std::uint8_t kFlagDC = 0x02;
inline constexpr std::uint8_t kFlagZ = 0x04;
inline constexpr std::uint8_t kFlagOV = 0x08;

// CPUSTA bits.
inline constexpr std::uint8_t kStkav = 0x20;
inline constexpr std::uint8_t kGlintd = 0x10;
inline constexpr std::uint8_t kNotTo = 0x08;
inline constexpr std::uint8_t kNotPd = 0x04;

// INTSTA: flags in bits 7:4, the matching enables in bits 3:0.
inline constexpr std::uint8_t kInte = 0x01;
inline constexpr std::uint8_t kT0ie = 0x02;
inline constexpr std::uint8_t kT0ckie = 0x04;
inline constexpr std::uint8_t kPeie = 0x08;
inline constexpr std::uint8_t kIntf = 0x10;
inline constexpr std::uint8_t kT0if = 0x20;
inline constexpr std::uint8_t kT0ckif = 0x40;
inline constexpr std::uint8_t kPeif = 0x80;

// USART1 transmit: TXSTA1.TRMT and PIR1.TXIF, both bit 1, always set here.
inline constexpr std::uint8_t kTrmt = 0x02;
inline constexpr std::uint8_t kTxif = 0x02;
// USART1 receive: PIR1.RC1IF, set while a received byte waits in RCREG1.
inline constexpr std::uint8_t kRc1if = 0x01;

// Interrupt vectors in priority order.
inline constexpr std::uint16_t kVectorInt = 0x0008;
inline constexpr std::uint16_t kVectorTmr0 = 0x0010;
inline constexpr std::uint16_t kVectorT0cki = 0x0018;
inline constexpr std::uint16_t kVectorPeripheral = 0x0020;

}  // namespace pic17sim
