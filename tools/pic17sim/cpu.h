// The PIC17C756A core: program memory, the banked register file, the
// hardware stack, the table latch and the interrupt logic. step() runs one
// instruction (or one interrupt response); the instruction bodies live in
// instructions.cc and use the operand helpers below.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string_view>
#include <vector>

#include "pic17sim/decode.h"
#include "pic17sim/registers.h"

namespace pic17sim {

// What step() reports besides normal progress. The faults leave the machine
// as it was before the instruction (or interrupt response) that caused them.
enum class Event : std::uint8_t {
  None,            // an instruction or an interrupt response ran
  Asleep,          // sleeping and nothing is asking to wake the core
  StackOverflow,   // a push found all 16 stack levels in use
  StackUnderflow,  // a return found the stack empty
  ReservedOpcode,  // the word at PC is not an instruction
  NoCode,          // PC is an address the program does not fill (trapNoCode)
};

// Interrupt sources that can be raised from outside the program.
enum class Source : std::uint8_t { IntPin, Timer0 };

// A resolved register operand: bank * 256 + f, or kNowhere for INDF through
// an FSR that points at INDF0/INDF1 and for banks the 756A lacks.
using Location = std::uint16_t;
inline constexpr Location kNowhere = 0xFFFF;

class Cpu {
 public:
  static constexpr int kProgramWords = 0x10000;
  static constexpr int kStackLevels = 16;
  static constexpr int kDataBytes = 16 * 256;

  Cpu();

  // Power-on reset. Program memory is kept; data memory is cleared.
  void reset();

  // Whether MOVPF sets Z from the moved byte (on by default).
  bool movpfSetsZ = true;
  // Whether step() stops with Event::NoCode instead of running a word that
  // setProgramWord never wrote (off by default: erased memory then runs as
  // the chip would run it).
  bool trapNoCode = false;
  // Receives every byte written to TXREG1.
  std::function<void(std::uint8_t)> onTransmit;
  // Queues bytes for the USART1 receiver. The first byte not yet taken is
  // in RCREG1 and PIR1.RC1IF is set while there is one; each read of RCREG1
  // by an instruction takes it. With the queue empty RCREG1 keeps the last
  // byte and RC1IF is clear.
  void receive(std::string_view bytes);

  Event step();

  std::uint16_t pc() const { return pc_; }
  void setPc(std::uint16_t pc) { pc_ = pc; }
  std::uint64_t cycles() const { return cycles_; }
  void setCycles(std::uint64_t cycles) { cycles_ = cycles; }
  bool sleeping() const { return sleeping_; }
  int stackDepth() const { return sp_; }
  std::uint16_t stackEntry(int level) const { return stack_[static_cast<std::size_t>(level)]; }
  std::uint16_t tablat() const { return tablat_; }
  void setTablat(std::uint16_t value) { tablat_ = value; }

  std::uint16_t programWord(std::uint16_t address) const { return program_[address]; }
  void setProgramWord(std::uint16_t address, std::uint16_t word) {
    program_[address] = word;
    filled_[address] = true;
  }
  bool holdsCode(std::uint16_t address) const { return filled_[address]; }
  // The address of the last instruction run, or the PC at the last
  // interrupt response: where a jump into no code came from.
  std::uint16_t lastPc() const { return lastPc_; }

  // Data memory without side effects, by bank * 256 + f (f below 0x20 is
  // taken as unbanked except 0x10-0x17). PCL reads as the low byte of PC.
  std::uint8_t peek(std::uint16_t address) const;
  void poke(std::uint16_t address, std::uint8_t value);

  std::uint8_t w() const { return ram_[kWreg]; }
  void setW(std::uint8_t value) { ram_[kWreg] = value; }
  std::uint8_t alusta() const { return ram_[kAlusta]; }
  bool flag(std::uint8_t mask) const { return (ram_[kAlusta] & mask) != 0; }
  void setFlags(std::uint8_t mask, std::uint8_t values);

  // Sets an interrupt flag in INTSTA, as the pin or the timer would.
  void raise(Source source);
  // The vector of the highest-priority interrupt whose flag and enable are
  // both set, or 0 if none (GLINTD is not considered).
  std::uint16_t requestedVector() const;
  bool interruptsEnabled() const { return (ram_[kCpusta] & kGlintd) == 0; }

  // --- Operand helpers for the instruction bodies ---
  // Banks f and follows INDF0/INDF1 through their FSR, which is then
  // post-modified once when the instruction ends.
  Location locate(std::uint8_t f);
  std::uint8_t read(Location at);
  void write(Location at, std::uint8_t value);
  // Writes f (d = 1) or W (d = 0).
  void store(Location at, bool toFile, std::uint8_t value);
  void skip();
  void push(std::uint16_t address);
  std::uint16_t pop();
  std::uint16_t tblptr() const;
  void setTblptr(std::uint16_t value);
  void enterSleep();

 private:
  Event enterInterrupt(std::uint16_t vector);
  void postModifyFsrs();
  void writeSpecial(Location at, std::uint8_t value);
  std::uint8_t takeReceived();
  void updateReceiver();
  void updatePeif();

  std::vector<std::uint16_t> program_;
  std::vector<bool> filled_;
  std::array<std::uint8_t, kDataBytes> ram_{};
  std::array<std::uint16_t, kStackLevels> stack_{};
  std::deque<std::uint8_t> received_;
  int sp_ = 0;
  std::uint16_t pc_ = 0;
  std::uint16_t lastPc_ = 0;
  std::uint16_t tablat_ = 0;
  std::uint64_t cycles_ = 0;
  bool sleeping_ = false;

  // Per-instruction state.
  unsigned fsrUsed_ = 0;          // bit n: INDFn was accessed
  bool pclathCopied_ = false;     // a read of PCL copied PCH into PCLATH
  std::uint8_t pclathBefore_ = 0; // PCLATH before that copy
};

// Runs the body of one decoded instruction; PC already points past it.
void execute(Cpu& cpu, Op op, std::uint16_t word);

}  // namespace pic17sim
