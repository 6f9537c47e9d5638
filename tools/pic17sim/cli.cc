#include "pic17sim/cli.h"

#include <filesystem>
#include <new>
#include <optional>
#include <ostream>

#include "pic17sim/cpu.h"
#include "pic17sim/hexfile.h"
#include "pic17sim/input.h"
#include "pic17sim/report.h"
#include "pic17sim/symbols.h"

namespace pic17sim {

const char* const kUsage =
    "usage: pic17sim [options] program.hex\n"
    "Runs a PIC17C756A program from reset. Bytes written to TXREG1 go to standard\n"
    "output; the report and everything printed after the run go to standard error.\n"
    "\n"
    "  --symbols FILE      gpasm listing to take symbols from\n"
    "                      (default: program.lst beside the hex file, if present)\n"
    "  --stop-at WHERE     stop when PC reaches a label or address (repeatable)\n"
    "  --max-cycles N      stop after N cycles (default 100000000)\n"
    "  --int-at N          set INTF (RA0/INT pin) at cycle N (repeatable)\n"
    "  --int-every N       set INTF every N cycles\n"
    "  --timer-at N        set T0IF (timer 0 overflow) at cycle N (repeatable)\n"
    "  --timer-every N     set T0IF every N cycles\n"
    "  --input TEXT        bytes that USART1 receives, one per read of RCREG1\n"
    "                      (repeatable; the texts follow each other)\n"
    "  --movpf-z on|off    whether MOVPF sets Z from the moved byte (default on)\n"
    "  --print WHAT[:N]    after the run print N bytes (default 1) of data memory\n"
    "                      at a symbol or address (bank * 256 + f)\n"
    "  --dump-stack[=hex]  after the run print the Forth data stack, top first\n"
    "                      (needs DSTACKORG, THIGH and TLOW in the listing)\n"
    "  --trace             print every instruction to standard error\n"
    "  -q, --quiet         no report line\n"
    "  -h, --help          this text\n"
    "\n"
    "Numbers are decimal or 0x-prefixed hex. Exit status: 0 sleep or stop address,\n"
    "1 bad input, 2 cycle limit, 3 stack overflow, 4 stack underflow,\n"
    "5 reserved opcode, 6 no code (a jump, call, return or interrupt to an\n"
    "address the HEX file does not fill).\n";

namespace {

std::uint64_t number(const std::string& option, const std::string& text) {
  std::uint64_t value = 0;
  if (!parseNumber(text, value)) throw InputError(option + ": not a number: " + text);
  return value;
}

std::uint64_t period(const std::string& option, const std::string& text) {
  std::uint64_t value = number(option, text);
  if (value == 0) throw InputError(option + ": the period must not be 0");
  return value;
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  CommandLine parse() {
    while (next_ < args_.size()) option(args_[next_++]);
    if (line_.help) return line_;
    if (line_.hexPath.empty()) throw InputError("no hex file given");
    return line_;
  }

 private:
  void option(const std::string& arg) {
    std::string name = arg;
    inlineValue_.reset();
    if (std::size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      name = arg.substr(0, eq);
      inlineValue_ = arg.substr(eq + 1);
    }
    if (name == "-h" || name == "--help") {
      line_.help = true;
    } else if (name == "-q" || name == "--quiet") {
      line_.quiet = true;
    } else if (name == "--trace") {
      line_.trace = true;
    } else if (name == "--dump-stack") {
      dumpStack(name);
    } else if (name == "--symbols") {
      line_.listingPath = value(name);
    } else if (name == "--stop-at") {
      line_.stopAt.push_back(value(name));
    } else if (name == "--print") {
      line_.prints.push_back(value(name));
    } else if (name == "--max-cycles") {
      line_.maxCycles = number(name, value(name));
    } else if (name == "--int-at" || name == "--timer-at") {
      Source source = name == "--int-at" ? Source::IntPin : Source::Timer0;
      line_.interrupts.push_back({source, number(name, value(name)), 0});
    } else if (name == "--int-every" || name == "--timer-every") {
      Source source = name == "--int-every" ? Source::IntPin : Source::Timer0;
      std::uint64_t every = period(name, value(name));
      line_.interrupts.push_back({source, every, every});
    } else if (name == "--input") {
      line_.input += value(name);
    } else if (name == "--movpf-z") {
      movpfZ(name);
    } else if (!arg.empty() && arg[0] == '-') {
      throw InputError("unknown option: " + arg);
    } else if (!line_.hexPath.empty()) {
      throw InputError("more than one hex file: " + arg);
    } else {
      line_.hexPath = arg;
    }
    if (inlineValue_) throw InputError(name + " takes no value");
  }

  std::string value(const std::string& name) {
    if (inlineValue_) {
      std::string v = *inlineValue_;
      inlineValue_.reset();
      return v;
    }
    if (next_ >= args_.size()) throw InputError(name + " needs a value");
    return args_[next_++];
  }

  void dumpStack(const std::string& name) {
    line_.dumpStack = StackDump::Decimal;
    if (!inlineValue_) return;
    std::string kind = value(name);
    if (kind == "hex") {
      line_.dumpStack = StackDump::Hex;
    } else if (kind != "dec") {
      throw InputError(name + ": expected dec or hex, not " + kind);
    }
  }

  void movpfZ(const std::string& name) {
    std::string v = value(name);
    if (v != "on" && v != "off") throw InputError(name + ": expected on or off, not " + v);
    line_.movpfSetsZ = v == "on";
  }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  std::optional<std::string> inlineValue_;
  CommandLine line_;
};

struct MemoryPrint {
  std::string label;
  std::uint16_t address;
  unsigned count;
};

// Everything the command line names, resolved before the run starts so that
// a typing error costs no simulation time.
struct Plan {
  RunOptions run;
  std::vector<MemoryPrint> prints;
  DataStackLayout stack{};
};

void loadSymbols(const CommandLine& line, Symbols& symbols) {
  std::string path = line.listingPath;
  if (path.empty()) {
    std::filesystem::path guess = std::filesystem::path(line.hexPath).replace_extension(".lst");
    std::error_code error;
    if (!std::filesystem::is_regular_file(guess, error)) return;
    path = guess.string();
  }
  symbols.addListing(readFile(path));
}

MemoryPrint memoryPrint(const Symbols& symbols, const std::string& request) {
  std::string where = request;
  unsigned count = 1;
  if (std::size_t colon = request.find(':'); colon != std::string::npos) {
    where = request.substr(0, colon);
    std::uint64_t n = number("--print", request.substr(colon + 1));
    if (n == 0 || n > 256) throw InputError("--print: count must be 1 to 256: " + request);
    count = static_cast<unsigned>(n);
  }
  std::uint32_t address = symbols.resolve(where);
  if (std::uint64_t{address} + count > Cpu::kDataBytes) throw InputError("--print: no such data address: " + request);
  return {where, static_cast<std::uint16_t>(address), count};
}

std::uint16_t dataAddress(const Symbols& symbols, const char* name) {
  if (!symbols.contains(name)) {
    throw InputError(std::string("--dump-stack: no symbol ") + name + " (is the listing there?)");
  }
  std::uint32_t address = symbols.resolve(name);
  if (address >= Cpu::kDataBytes) throw InputError(std::string("--dump-stack: bad address for ") + name);
  return static_cast<std::uint16_t>(address);
}

Plan makePlan(const CommandLine& line, const Symbols& symbols) {
  Plan plan;
  plan.run.maxCycles = line.maxCycles;
  plan.run.interrupts = line.interrupts;
  for (const std::string& where : line.stopAt) {
    std::uint32_t address = symbols.resolve(where);
    if (address >= Cpu::kProgramWords) throw InputError("--stop-at: no such program address: " + where);
    plan.run.stopAddresses.push_back(static_cast<std::uint16_t>(address));
  }
  for (const std::string& request : line.prints) plan.prints.push_back(memoryPrint(symbols, request));
  if (line.dumpStack != StackDump::None) {
    plan.stack = {dataAddress(symbols, "DSTACKORG"), dataAddress(symbols, "THIGH"),
                  dataAddress(symbols, "TLOW")};
  }
  return plan;
}

void printAfterRun(const CommandLine& line, const Plan& plan, StopReason reason, const Cpu& cpu,
                   std::ostream& err) {
  if (reason == StopReason::NoCode) err << "pic17sim: " << noCodeMessage(cpu) << '\n';
  if (!line.quiet) err << reportLine(reason, cpu) << '\n';
  for (const MemoryPrint& p : plan.prints) err << memoryLine(cpu, p.label, p.address, p.count) << '\n';
  if (line.dumpStack != StackDump::None) {
    err << dataStackLine(cpu, plan.stack, line.dumpStack == StackDump::Hex) << '\n';
  }
}

int simulate(const CommandLine& line, std::ostream& out, std::ostream& err) {
  Cpu cpu;
  loadHexFile(line.hexPath, cpu);
  cpu.trapNoCode = true;
  Symbols symbols;
  loadSymbols(line, symbols);
  Plan plan = makePlan(line, symbols);
  cpu.movpfSetsZ = line.movpfSetsZ;
  cpu.onTransmit = [&out](std::uint8_t byte) { out.put(static_cast<char>(byte)); };
  cpu.receive(line.input);
  if (line.trace) plan.run.trace = &err;
  StopReason reason = run(cpu, plan.run);
  out.flush();
  printAfterRun(line, plan, reason, cpu, err);
  return exitStatusFor(reason);
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) { return Parser(args).parse(); }

ExitStatus exitStatusFor(StopReason reason) {
  switch (reason) {
    case StopReason::Sleep:
    case StopReason::StopAddress: return kExitStopped;
    case StopReason::CycleLimit: return kExitCycleLimit;
    case StopReason::StackOverflow: return kExitStackOverflow;
    case StopReason::StackUnderflow: return kExitStackUnderflow;
    case StopReason::ReservedOpcode: return kExitReservedOpcode;
    case StopReason::NoCode: return kExitNoCode;
  }
  return kExitBadInput;
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    CommandLine line = parseCommandLine(args);
    if (line.help) {
      out << kUsage;
      return kExitStopped;
    }
    return simulate(line, out, err);
  } catch (const InputError& e) {
    err << "pic17sim: " << e.what() << '\n';
    return kExitBadInput;
  } catch (const std::bad_alloc&) {
    err << "pic17sim: out of memory\n";
    return kExitBadInput;
  }
}

}  // namespace pic17sim
