// One function per instruction. Each runs after PC has been advanced past
// the instruction and the base cycle count has been added; skips and writes
// to PCL add their own extra cycle through Cpu::skip() and Cpu::write().
//
// Instructions that produce flags store their result first and then set the
// flags, so a flag-producing instruction aimed at ALUSTA keeps the flags.
#include <iterator>

#include "pic17sim/cpu.h"

namespace pic17sim {
namespace {

using Word = std::uint16_t;
constexpr std::uint8_t kArith = kFlagC | kFlagDC | kFlagZ | kFlagOV;

std::uint8_t zeroFlag(std::uint8_t value) { return value == 0 ? kFlagZ : 0; }

// a + b + carry with C, DC, Z and OV. Subtractions pass the complement of
// the subtrahend and carry 1 (or the incoming C), so C = 1 means no borrow.
void addInto(Cpu& c, Location at, bool toFile, unsigned a, unsigned b, unsigned carry) {
  unsigned sum = a + b + carry;
  auto result = static_cast<std::uint8_t>(sum);
  std::uint8_t flags = zeroFlag(result);
  if (sum > 0xFF) flags |= kFlagC;
  if ((a & 0x0F) + (b & 0x0F) + carry > 0x0F) flags |= kFlagDC;
  if ((a ^ result) & (b ^ result) & 0x80) flags |= kFlagOV;
  c.store(at, toFile, result);
  c.setFlags(kArith, flags);
}

void logicInto(Cpu& c, Location at, bool toFile, std::uint8_t result) {
  c.store(at, toFile, result);
  c.setFlags(kFlagZ, zeroFlag(result));
}

unsigned carry(const Cpu& c) { return c.flag(kFlagC) ? 1 : 0; }
std::uint8_t complement(std::uint8_t v) { return static_cast<std::uint8_t>(~v); }

// --- 0x0000-0x0005 ---
void nop(Cpu&, Word) {}

void return_(Cpu& c, Word) {
  c.read(kPcl);  // the dummy read of PCL leaves PCLATH = high byte of PC
  c.setPc(c.pop());
}

void sleep(Cpu& c, Word) { c.enterSleep(); }

void clrwdt(Cpu& c, Word) {
  c.poke(kCpusta, c.peek(kCpusta) | kNotTo | kNotPd);
}

void retfie(Cpu& c, Word) {
  c.setPc(c.pop());
  c.poke(kCpusta, static_cast<std::uint8_t>(c.peek(kCpusta) & ~kGlintd));
}

void movwf(Cpu& c, Word w) { c.write(c.locate(fieldF(w)), c.w()); }

// --- byte operations with a destination ---
void subwfb(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  addInto(c, f, fieldD(w), c.read(f), complement(c.w()), carry(c));
}

void subwf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  addInto(c, f, fieldD(w), c.read(f), complement(c.w()), 1);
}

void decf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  addInto(c, f, fieldD(w), c.read(f), 0xFF, 0);
}

void iorwf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  logicInto(c, f, fieldD(w), c.read(f) | c.w());
}

void andwf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  logicInto(c, f, fieldD(w), c.read(f) & c.w());
}

void xorwf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  logicInto(c, f, fieldD(w), c.read(f) ^ c.w());
}

void addwf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  addInto(c, f, fieldD(w), c.w(), c.read(f), 0);
}

void addwfc(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  addInto(c, f, fieldD(w), c.w(), c.read(f), carry(c));
}

void comf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  logicInto(c, f, fieldD(w), complement(c.read(f)));
}

void incf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  addInto(c, f, fieldD(w), c.read(f), 0, 1);
}

void decfsz(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  auto result = static_cast<std::uint8_t>(c.read(f) - 1);
  c.store(f, fieldD(w), result);
  if (result == 0) c.skip();
}

void rrcf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  std::uint8_t v = c.read(f);
  c.store(f, fieldD(w), static_cast<std::uint8_t>(v >> 1 | carry(c) << 7));
  c.setFlags(kFlagC, v & 1 ? kFlagC : 0);
}

void rlcf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  std::uint8_t v = c.read(f);
  c.store(f, fieldD(w), static_cast<std::uint8_t>(v << 1 | carry(c)));
  c.setFlags(kFlagC, v & 0x80 ? kFlagC : 0);
}

void swapf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  std::uint8_t v = c.read(f);
  c.store(f, fieldD(w), static_cast<std::uint8_t>(v << 4 | v >> 4));
}

void incfsz(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  auto result = static_cast<std::uint8_t>(c.read(f) + 1);
  c.store(f, fieldD(w), result);
  if (result == 0) c.skip();
}

void rrncf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  std::uint8_t v = c.read(f);
  c.store(f, fieldD(w), static_cast<std::uint8_t>(v >> 1 | v << 7));
}

void rlncf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  std::uint8_t v = c.read(f);
  c.store(f, fieldD(w), static_cast<std::uint8_t>(v << 1 | v >> 7));
}

void infsnz(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  auto result = static_cast<std::uint8_t>(c.read(f) + 1);
  c.store(f, fieldD(w), result);
  if (result != 0) c.skip();
}

void dcfsnz(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  auto result = static_cast<std::uint8_t>(c.read(f) - 1);
  c.store(f, fieldD(w), result);
  if (result != 0) c.skip();
}

// --- byte operations with s: s = 0 also writes W ---
void clrf(Cpu& c, Word w) {
  c.write(c.locate(fieldF(w)), 0);
  if (!fieldD(w)) c.setW(0);
}

void setf(Cpu& c, Word w) {
  c.write(c.locate(fieldF(w)), 0xFF);
  if (!fieldD(w)) c.setW(0xFF);
}

void negw(Cpu& c, Word w) {
  auto result = static_cast<std::uint8_t>(-c.w());
  addInto(c, c.locate(fieldF(w)), true, 0, complement(c.w()), 1);
  if (!fieldD(w)) c.setW(result);
}

// Decimal adjust of W after a packed BCD addition: each nibble that is
// above 9, or that carried (DC for the low nibble, C for the high one),
// gets 6 added; the low nibble's carry propagates into the high nibble.
// C is set when the high adjustment carries out and otherwise kept.
void daw(Cpu& c, Word w) {
  unsigned low = c.w() & 0x0F;
  unsigned high = c.w() >> 4;
  if (low > 9 || c.flag(kFlagDC)) {
    low += 6;
    high += low >> 4;
  }
  bool carryOut = c.flag(kFlagC);
  if (high > 9 || carryOut) {
    high += 6;
    carryOut = carryOut || high > 0x0F;
  }
  auto result = static_cast<std::uint8_t>((high & 0x0F) << 4 | (low & 0x0F));
  c.write(c.locate(fieldF(w)), result);
  if (!fieldD(w)) c.setW(result);
  c.setFlags(kFlagC, carryOut ? kFlagC : 0);
}

// --- f only ---
void cpfslt(Cpu& c, Word w) {
  if (c.read(c.locate(fieldF(w))) < c.w()) c.skip();
}

void cpfseq(Cpu& c, Word w) {
  if (c.read(c.locate(fieldF(w))) == c.w()) c.skip();
}

void cpfsgt(Cpu& c, Word w) {
  if (c.read(c.locate(fieldF(w))) > c.w()) c.skip();
}

void tstfsz(Cpu& c, Word w) {
  if (c.read(c.locate(fieldF(w))) == 0) c.skip();
}

void setProduct(Cpu& c, unsigned product) {
  c.poke(kProdl, static_cast<std::uint8_t>(product));
  c.poke(kProdh, static_cast<std::uint8_t>(product >> 8));
}

void mulwf(Cpu& c, Word w) { setProduct(c, c.w() * c.read(c.locate(fieldF(w)))); }

// --- moves: MOVPF p,f and MOVFP f,p ---
void movpf(Cpu& c, Word w) {
  Location from = c.locate(fieldP(w));
  Location to = c.locate(fieldF(w));
  std::uint8_t v = c.read(from);
  c.write(to, v);
  if (c.movpfSetsZ) c.setFlags(kFlagZ, zeroFlag(v));
}

void movfp(Cpu& c, Word w) {
  Location from = c.locate(fieldF(w));
  Location to = c.locate(fieldP(w));
  c.write(to, c.read(from));
}

// --- bit operations ---
std::uint8_t bitMask(Word w) { return static_cast<std::uint8_t>(1u << fieldB(w)); }

void btg(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  c.write(f, c.read(f) ^ bitMask(w));
}

void bsf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  c.write(f, c.read(f) | bitMask(w));
}

void bcf(Cpu& c, Word w) {
  Location f = c.locate(fieldF(w));
  c.write(f, c.read(f) & ~bitMask(w));
}

void btfss(Cpu& c, Word w) {
  if (c.read(c.locate(fieldF(w))) & bitMask(w)) c.skip();
}

void btfsc(Cpu& c, Word w) {
  if (!(c.read(c.locate(fieldF(w))) & bitMask(w))) c.skip();
}

// --- table access: t = 1 selects TABLATH, t = 0 TABLATL ---
std::uint8_t latchByte(const Cpu& c, Word w) {
  return static_cast<std::uint8_t>(fieldT(w) ? c.tablat() >> 8 : c.tablat());
}

void setLatchByte(Cpu& c, Word w, std::uint8_t v) {
  std::uint16_t latch = c.tablat();
  c.setTablat(fieldT(w) ? static_cast<std::uint16_t>((latch & 0x00FF) | v << 8)
                        : static_cast<std::uint16_t>((latch & 0xFF00) | v));
}

void advanceTblptr(Cpu& c, Word w) {
  if (fieldI(w)) c.setTblptr(static_cast<std::uint16_t>(c.tblptr() + 1));
}

void tlrd(Cpu& c, Word w) { c.write(c.locate(fieldF(w)), latchByte(c, w)); }

void tlwt(Cpu& c, Word w) { setLatchByte(c, w, c.read(c.locate(fieldF(w)))); }

void tablrd(Cpu& c, Word w) {
  c.write(c.locate(fieldF(w)), latchByte(c, w));
  c.setTablat(c.programWord(c.tblptr()));
  advanceTblptr(c, w);
}

void tablwt(Cpu& c, Word w) {
  setLatchByte(c, w, c.read(c.locate(fieldF(w))));
  c.setProgramWord(c.tblptr(), c.tablat());
  advanceTblptr(c, w);
}

// --- literals and control ---
std::uint8_t literal(Word w) { return fieldF(w); }

void movlw(Cpu& c, Word w) { c.setW(literal(w)); }
void addlw(Cpu& c, Word w) { addInto(c, kWreg, true, c.w(), literal(w), 0); }
void sublw(Cpu& c, Word w) { addInto(c, kWreg, true, literal(w), complement(c.w()), 1); }
void iorlw(Cpu& c, Word w) { logicInto(c, kWreg, true, c.w() | literal(w)); }
void xorlw(Cpu& c, Word w) { logicInto(c, kWreg, true, c.w() ^ literal(w)); }
void andlw(Cpu& c, Word w) { logicInto(c, kWreg, true, c.w() & literal(w)); }

void retlw(Cpu& c, Word w) {
  c.setW(literal(w));
  c.setPc(c.pop());
}

void lcall(Cpu& c, Word w) {
  c.push(c.pc());
  c.setPc(static_cast<std::uint16_t>(c.peek(kPclath) << 8 | literal(w)));
}

void movlb(Cpu& c, Word w) {
  c.poke(kBsr, static_cast<std::uint8_t>((c.peek(kBsr) & 0xF0) | (w & 0x0F)));
}

void movlr(Cpu& c, Word w) {
  c.poke(kBsr, static_cast<std::uint8_t>((c.peek(kBsr) & 0x0F) | (w & 0xF0)));
}

void mullw(Cpu& c, Word w) { setProduct(c, c.w() * literal(w)); }

// GOTO and CALL stay in the 8K page of the next instruction and leave the
// new PC's high byte in PCLATH.
void jump13(Cpu& c, Word w) {
  auto target = static_cast<std::uint16_t>((c.pc() & 0xE000) | field13(w));
  c.setPc(target);
  c.poke(kPclath, static_cast<std::uint8_t>(target >> 8));
}

void goto_(Cpu& c, Word w) { jump13(c, w); }

void call(Cpu& c, Word w) {
  c.push(c.pc());
  jump13(c, w);
}

void reserved(Cpu&, Word) {}  // never reached: Cpu::step traps first

using Body = void (*)(Cpu&, Word);

// In Op order.
constexpr Body kBodies[] = {
    nop,    return_, sleep,  clrwdt, retfie, movwf,  subwfb, subwf,  decf,   iorwf,
    andwf,  xorwf,   addwf,  addwfc, comf,   incf,   decfsz, rrcf,   rlcf,   swapf,
    incfsz, rrncf,   rlncf,  infsnz, dcfsnz, clrf,   setf,   negw,   daw,    cpfslt,
    cpfseq, cpfsgt,  tstfsz, mulwf,  movpf,  movfp,  btg,    bsf,    bcf,    btfss,
    btfsc,  tlrd,    tlwt,   tablrd, tablwt, movlw,  addlw,  sublw,  iorlw,  xorlw,
    andlw,  retlw,   lcall,  movlb,  movlr,  mullw,  goto_,  call,   reserved,
};
static_assert(std::size(kBodies) == kOpCount);

}  // namespace

void execute(Cpu& cpu, Op op, std::uint16_t word) { kBodies[static_cast<int>(op)](cpu, word); }

}  // namespace pic17sim
