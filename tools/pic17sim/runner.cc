#include "pic17sim/runner.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace pic17sim {

const char* stopReasonName(StopReason reason) {
  switch (reason) {
    case StopReason::Sleep: return "sleep";
    case StopReason::StopAddress: return "stop-address";
    case StopReason::CycleLimit: return "cycle-limit";
    case StopReason::StackOverflow: return "stack-overflow";
    case StopReason::StackUnderflow: return "stack-underflow";
    case StopReason::ReservedOpcode: return "reserved-opcode";
    case StopReason::NoCode: return "no-code";
  }
  return "?";
}

namespace {

constexpr std::uint64_t kNever = UINT64_MAX;

std::uint8_t enableBit(Source source) { return source == Source::IntPin ? kInte : kT0ie; }

class Runner {
 public:
  Runner(Cpu& cpu, const RunOptions& options)
      : cpu_(cpu), options_(options), stopAt_(Cpu::kProgramWords, false),
        pending_(options.interrupts) {
    for (std::uint16_t address : options.stopAddresses) stopAt_[address] = true;
  }

  StopReason run() {
    for (;;) {
      if (cpu_.cycles() >= nextDue()) raiseDue();
      if (!cpu_.sleeping() && stopAt_[cpu_.pc()]) return StopReason::StopAddress;
      if (cpu_.cycles() >= options_.maxCycles) return StopReason::CycleLimit;
      if (options_.trace) trace();
      switch (cpu_.step()) {
        case Event::None: break;
        case Event::Asleep: {
          std::uint64_t wake = nextWake();
          if (wake == kNever) return StopReason::Sleep;
          cpu_.setCycles(std::min(wake, options_.maxCycles));  // idle until then
          break;
        }
        case Event::StackOverflow: return StopReason::StackOverflow;
        case Event::StackUnderflow: return StopReason::StackUnderflow;
        case Event::ReservedOpcode: return StopReason::ReservedOpcode;
        case Event::NoCode: return StopReason::NoCode;
      }
    }
  }

 private:
  std::uint64_t nextDue() const {
    std::uint64_t next = kNever;
    for (const ScheduledInterrupt& s : pending_) next = std::min(next, s.first);
    return next;
  }

  void raiseDue() {
    for (ScheduledInterrupt& s : pending_) {
      if (s.first > cpu_.cycles()) continue;
      cpu_.raise(s.source);
      if (s.period == 0) {
        s.first = kNever;
      } else {
        while (s.first <= cpu_.cycles()) s.first += s.period;
      }
    }
  }

  // The time of the next scheduled interrupt that can wake a sleeping core:
  // one whose enable bit is set (a sleeping core cannot change the enables).
  std::uint64_t nextWake() const {
    std::uint8_t intsta = cpu_.peek(kIntsta);
    std::uint64_t wake = kNever;
    for (const ScheduledInterrupt& s : pending_) {
      if (intsta & enableBit(s.source)) wake = std::min(wake, s.first);
    }
    return wake;
  }

  void trace() {
    char line[96];
    if (cpu_.sleeping() && cpu_.requestedVector() == 0) return;  // stays asleep
    if (cpu_.interruptsEnabled() && cpu_.requestedVector() != 0) {
      std::snprintf(line, sizeof line, "%10llu  %04x  interrupt -> %04x\n",
                    static_cast<unsigned long long>(cpu_.cycles()), cpu_.pc(), cpu_.requestedVector());
    } else {
      std::uint16_t word = cpu_.programWord(cpu_.pc());
      std::snprintf(line, sizeof line, "%10llu  %04x  %04x  %-22s W=%02x ALUSTA=%02x BSR=%02x\n",
                    static_cast<unsigned long long>(cpu_.cycles()), cpu_.pc(), word,
                    disassemble(word).c_str(), cpu_.w(), cpu_.alusta(), cpu_.peek(kBsr));
    }
    *options_.trace << line;
  }

  Cpu& cpu_;
  const RunOptions& options_;
  std::vector<bool> stopAt_;
  std::vector<ScheduledInterrupt> pending_;
};

}  // namespace

StopReason run(Cpu& cpu, const RunOptions& options) { return Runner(cpu, options).run(); }

}  // namespace pic17sim
