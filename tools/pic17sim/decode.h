// Instruction decoding and disassembly for the PIC17 16-bit core.
//
// One table describes every mnemonic: its opcode bits, its operand format
// and its base cycle count. Decoding, disassembly and the execution table
// are all indexed by Op.
#pragma once

#include <cstdint>
#include <string>

namespace pic17sim {

enum class Op : std::uint8_t {
  // 0x0000-0x0005
  Nop, Return, Sleep, Clrwdt, Retfie,
  Movwf,
  // byte operations with a destination bit
  Subwfb, Subwf, Decf, Iorwf, Andwf, Xorwf, Addwf, Addwfc, Comf, Incf, Decfsz,
  Rrcf, Rlcf, Swapf, Incfsz, Rrncf, Rlncf, Infsnz, Dcfsnz,
  // byte operations with the s bit
  Clrf, Setf, Negw, Daw,
  // f only
  Cpfslt, Cpfseq, Cpfsgt, Tstfsz, Mulwf,
  // moves between f and the 0x00-0x1F range
  Movpf, Movfp,
  // bit operations
  Btg, Bsf, Bcf, Btfss, Btfsc,
  // table access
  Tlrd, Tlwt, Tablrd, Tablwt,
  // literals and control
  Movlw, Addlw, Sublw, Iorlw, Xorlw, Andlw, Retlw, Lcall, Movlb, Movlr, Mullw,
  Goto, Call,
  Reserved,
};

inline constexpr int kOpCount = static_cast<int>(Op::Reserved) + 1;

// How the operand bits of a word are laid out.
enum class Format : std::uint8_t {
  None,        // no operands
  FileDest,    // f,d: d in bit 8
  FileS,       // f,s: s in bit 8
  File,        // f
  FileBit,     // f,b: b in bits 10:8
  FileP,       // movfp f,p: p in bits 12:8
  PFile,       // movpf p,f
  LatchFile,   // t,f: t in bit 9
  LatchIncFile,// t,i,f: t in bit 9, i in bit 8
  Literal,     // k: bits 7:0
  LowNibble,   // movlb k: bits 3:0
  HighNibble,  // movlr k: bits 7:4
  Address13,   // k: bits 12:0
};

struct OpInfo {
  const char* mnemonic;  // lower case, as gpasm accepts it
  std::uint16_t bits;    // the opcode with every operand field zero
  Format format;
  std::uint8_t cycles;   // before skips and writes to PCL
};

const OpInfo& opInfo(Op op);
// The bits of a word that select the opcode for a given operand format.
std::uint16_t opcodeMask(Format format);

Op decode(std::uint16_t word);

// Canonical text: "addwf 0x25, 1", "bsf 0x04, 3", "tablrd 1, 0, 0x0a",
// "goto 0x0123", "movlr 0x05"; a reserved word is "dw 0x0001".
// f, p and k are written as 0x and two hex digits (four for a 13-bit k);
// d, s, b, t and i as one decimal digit.
std::string disassemble(std::uint16_t word);

// Operand fields.
inline std::uint8_t fieldF(std::uint16_t w) { return static_cast<std::uint8_t>(w & 0xFF); }
inline bool fieldD(std::uint16_t w) { return (w >> 8) & 1; }
inline unsigned fieldB(std::uint16_t w) { return (w >> 8) & 7; }
inline std::uint8_t fieldP(std::uint16_t w) { return static_cast<std::uint8_t>((w >> 8) & 0x1F); }
inline bool fieldT(std::uint16_t w) { return (w >> 9) & 1; }
inline bool fieldI(std::uint16_t w) { return (w >> 8) & 1; }
inline std::uint16_t field13(std::uint16_t w) { return w & 0x1FFF; }

}  // namespace pic17sim
