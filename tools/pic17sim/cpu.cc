#include "pic17sim/cpu.h"

namespace pic17sim {

Cpu::Cpu() : program_(kProgramWords, 0xFFFF), filled_(kProgramWords, false) { reset(); }

void Cpu::reset() {
  ram_.fill(0);
  stack_.fill(0);
  sp_ = 0;
  pc_ = 0;
  tablat_ = 0;
  cycles_ = 0;
  sleeping_ = false;
  ram_[kAlusta] = 0xF0;  // both FSRs unchanged after access
  ram_[kCpusta] = kStkav | kGlintd | kNotTo | kNotPd;
  ram_[kTxsta1] = kTrmt;
  ram_[kPir1] = kTxif;
  received_.clear();
}

namespace {

bool isBankedSfr(unsigned f) { return f >= 0x10 && f < 0x18; }

std::uint16_t normalise(std::uint16_t address) {
  unsigned f = address & 0xFF;
  return (f < 0x20 && !isBankedSfr(f)) ? static_cast<std::uint16_t>(f) : address;
}

}  // namespace

std::uint8_t Cpu::peek(std::uint16_t address) const {
  address = normalise(address);
  if (address == kPcl) return static_cast<std::uint8_t>(pc_);
  return address < kDataBytes ? ram_[address] : 0;
}

void Cpu::poke(std::uint16_t address, std::uint8_t value) {
  address = normalise(address);
  if (address < kDataBytes) ram_[address] = value;
}

void Cpu::setFlags(std::uint8_t mask, std::uint8_t values) {
  ram_[kAlusta] = static_cast<std::uint8_t>((ram_[kAlusta] & ~mask) | (values & mask));
}

void Cpu::raise(Source source) {
  ram_[kIntsta] |= source == Source::IntPin ? kIntf : kT0if;
}

std::uint16_t Cpu::requestedVector() const {
  std::uint8_t intsta = ram_[kIntsta];
  unsigned active = (intsta >> 4) & intsta & 0x0F;
  if (active & kInte) return kVectorInt;
  if (active & kT0ie) return kVectorTmr0;
  if (active & kT0ckie) return kVectorT0cki;
  if (active & kPeie) return kVectorPeripheral;
  return 0;
}

Location Cpu::locate(std::uint8_t f) {
  if (f == kIndf0 || f == kIndf1) {
    unsigned n = f == kIndf0 ? 0 : 1;
    fsrUsed_ |= 1u << n;
    f = ram_[n == 0 ? kFsr0 : kFsr1];
    if (f == kIndf0 || f == kIndf1) return kNowhere;
  }
  unsigned bsr = ram_[kBsr];
  if (isBankedSfr(f)) {
    unsigned bank = bsr & 0x0F;
    return bank < kSfrBanks ? static_cast<Location>(bank * 256 + f) : kNowhere;
  }
  if (f >= 0x20) {
    unsigned bank = bsr >> 4;
    return bank < kGprBanks ? static_cast<Location>(bank * 256 + f) : kNowhere;
  }
  return f;
}

std::uint8_t Cpu::read(Location at) {
  if (at == kNowhere) return 0;
  if (at == kPcl) {
    if (!pclathCopied_) pclathBefore_ = ram_[kPclath];
    pclathCopied_ = true;
    ram_[kPclath] = static_cast<std::uint8_t>(pc_ >> 8);
    return static_cast<std::uint8_t>(pc_);
  }
  if (at == kRcreg1) return takeReceived();
  return ram_[at];
}

void Cpu::receive(std::string_view bytes) {
  received_.insert(received_.end(), bytes.begin(), bytes.end());
  updateReceiver();
}

std::uint8_t Cpu::takeReceived() {
  std::uint8_t byte = ram_[kRcreg1];
  if (!received_.empty()) {
    received_.pop_front();
    updateReceiver();
  }
  return byte;
}

// RCREG1 and RC1IF follow the receive queue.
void Cpu::updateReceiver() {
  if (!received_.empty()) ram_[kRcreg1] = received_.front();
  ram_[kPir1] = static_cast<std::uint8_t>((ram_[kPir1] & ~kRc1if) | (received_.empty() ? 0 : kRc1if));
  updatePeif();
}

void Cpu::write(Location at, std::uint8_t value) {
  switch (at) {
    case kNowhere: return;
    case kPcl:
    case kCpusta:
    case kIntsta:
    case kRcreg1:
    case kTxreg1:
    case kTxsta1:
    case kPir1:
    case kPie1:
    case kPir2:
    case kPie2: writeSpecial(at, value); return;
    default: ram_[at] = value; return;
  }
}

void Cpu::writeSpecial(Location at, std::uint8_t value) {
  switch (at) {
    case kPcl:
      // A read-modify-write of PCL jumps through the PCLATH it found.
      if (pclathCopied_) ram_[kPclath] = pclathBefore_;
      pc_ = static_cast<std::uint16_t>(ram_[kPclath] << 8 | value);
      cycles_ += 1;
      return;
    case kCpusta:  // only GLINTD is writable
      ram_[kCpusta] = static_cast<std::uint8_t>((ram_[kCpusta] & ~kGlintd) | (value & kGlintd));
      return;
    case kTxreg1:
      ram_[at] = value;
      if (onTransmit) onTransmit(value);
      return;
    case kRcreg1: return;  // read-only
    case kTxsta1: ram_[at] = value | kTrmt; return;
    case kPir1:  // TXIF and RC1IF are read-only
      ram_[at] = static_cast<std::uint8_t>((value & ~kRc1if) | kTxif | (ram_[kPir1] & kRc1if));
      break;
    case kIntsta: ram_[at] = static_cast<std::uint8_t>(value & ~kPeif); break;  // PEIF is read-only
    default: ram_[at] = value; break;
  }
  updatePeif();
}

void Cpu::updatePeif() {
  bool pending = (ram_[kPir1] & ram_[kPie1]) != 0 || (ram_[kPir2] & ram_[kPie2]) != 0;
  ram_[kIntsta] = static_cast<std::uint8_t>((ram_[kIntsta] & ~kPeif) | (pending ? kPeif : 0));
}

void Cpu::store(Location at, bool toFile, std::uint8_t value) {
  if (toFile) {
    write(at, value);
  } else {
    setW(value);
  }
}

void Cpu::skip() {
  ++pc_;
  ++cycles_;
}

void Cpu::push(std::uint16_t address) {
  if (sp_ < kStackLevels) stack_[static_cast<std::size_t>(sp_++)] = address;
}

std::uint16_t Cpu::pop() { return sp_ > 0 ? stack_[static_cast<std::size_t>(--sp_)] : 0; }

std::uint16_t Cpu::tblptr() const {
  return static_cast<std::uint16_t>(ram_[kTblptrh] << 8 | ram_[kTblptrl]);
}

void Cpu::setTblptr(std::uint16_t value) {
  ram_[kTblptrl] = static_cast<std::uint8_t>(value);
  ram_[kTblptrh] = static_cast<std::uint8_t>(value >> 8);
}

void Cpu::enterSleep() {
  sleeping_ = true;
  ram_[kCpusta] = static_cast<std::uint8_t>((ram_[kCpusta] | kNotTo) & ~kNotPd);
}

void Cpu::postModifyFsrs() {
  for (unsigned n = 0; n < 2; ++n) {
    if (!(fsrUsed_ & (1u << n))) continue;
    unsigned mode = (ram_[kAlusta] >> (4 + 2 * n)) & 3;
    std::uint8_t& fsr = ram_[n == 0 ? kFsr0 : kFsr1];
    if (mode == 0) --fsr;
    if (mode == 1) ++fsr;
  }
}

Event Cpu::enterInterrupt(std::uint16_t vector) {
  if (sp_ == kStackLevels) return Event::StackOverflow;
  push(pc_);
  lastPc_ = pc_;
  ram_[kCpusta] |= kGlintd;
  // The core clears the flag of the three core sources; peripheral flags
  // stay set until the program clears them.
  if (vector == kVectorInt) ram_[kIntsta] &= static_cast<std::uint8_t>(~kIntf);
  if (vector == kVectorTmr0) ram_[kIntsta] &= static_cast<std::uint8_t>(~kT0if);
  if (vector == kVectorT0cki) ram_[kIntsta] &= static_cast<std::uint8_t>(~kT0ckif);
  pc_ = vector;
  cycles_ += 2;  // like a CALL: push and refill the pipeline
  return Event::None;
}

namespace {

bool pushes(Op op) { return op == Op::Call || op == Op::Lcall; }
bool pops(Op op) { return op == Op::Return || op == Op::Retlw || op == Op::Retfie; }

}  // namespace

Event Cpu::step() {
  if (sleeping_) {
    if (requestedVector() == 0) return Event::Asleep;
    sleeping_ = false;
  }
  if (interruptsEnabled()) {
    if (std::uint16_t vector = requestedVector()) return enterInterrupt(vector);
  }
  if (trapNoCode && !filled_[pc_]) return Event::NoCode;
  std::uint16_t word = program_[pc_];
  Op op = decode(word);
  if (op == Op::Reserved) return Event::ReservedOpcode;
  if (pushes(op) && sp_ == kStackLevels) return Event::StackOverflow;
  if (pops(op) && sp_ == 0) return Event::StackUnderflow;
  lastPc_ = pc_++;
  fsrUsed_ = 0;
  pclathCopied_ = false;
  cycles_ += opInfo(op).cycles;
  execute(*this, op, word);
  if (fsrUsed_) postModifyFsrs();
  return Event::None;
}

}  // namespace pic17sim
