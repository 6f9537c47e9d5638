#include "pic17sim/hexfile.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "pic17sim/input.h"

namespace pic17sim {

namespace {

constexpr std::uint32_t kByteLimit = 2u * Cpu::kProgramWords;

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

class HexReader {
 public:
  HexReader(const std::string& name, Cpu& cpu) : name_(name), cpu_(cpu) {}

  void read(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && !done_) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      readLine(text.substr(start, end - start));
      start = end + 1;
    }
    finish();
  }

  // One line (without its line feed); true until the end-of-file record.
  bool readLine(std::string_view line) {
    ++line_;
    record(trim(line));
    return !done_;
  }

  void finish() const {
    if (!done_) fail("missing end-of-file record");
  }

 private:
  static std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
  }

  [[noreturn]] void fail(const std::string& message) const {
    throw InputError(name_ + ":" + std::to_string(line_) + ": " + message);
  }

  void record(std::string_view s) {
    if (s.empty()) return;
    if (s[0] != ':') fail("a record must start with ':'");
    std::vector<std::uint8_t> bytes = decodeBytes(s.substr(1));
    if (bytes.size() < 5 || bytes.size() != bytes[0] + 5u) fail("record length does not match its byte count");
    unsigned sum = 0;
    for (std::uint8_t b : bytes) sum += b;
    if (sum & 0xFF) fail("checksum mismatch");
    std::uint32_t offset = bytes[1] << 8 | bytes[2];
    std::vector<std::uint8_t> data(bytes.begin() + 4, bytes.end() - 1);
    apply(bytes[3], offset, data);
  }

  std::vector<std::uint8_t> decodeBytes(std::string_view digits) const {
    if (digits.size() % 2) fail("odd number of hex digits");
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
      int hi = hexDigit(digits[i]);
      int lo = hexDigit(digits[i + 1]);
      if (hi < 0 || lo < 0) fail("not a hex digit");
      bytes.push_back(static_cast<std::uint8_t>(hi << 4 | lo));
    }
    return bytes;
  }

  void apply(unsigned type, std::uint32_t offset, const std::vector<std::uint8_t>& data) {
    switch (type) {
      case 0: storeData(base_ + offset, data); return;
      case 1:
        if (!data.empty()) fail("end-of-file record with data");
        done_ = true;
        return;
      case 2: base_ = upper(data) << 4; return;
      case 4: base_ = upper(data) << 16; return;
      case 3:
      case 5:
        if (data.size() != 4) fail("start address record must hold 4 bytes");
        return;
      default: fail("unknown record type " + std::to_string(type));
    }
  }

  std::uint32_t upper(const std::vector<std::uint8_t>& data) const {
    if (data.size() != 2) fail("address record must hold 2 bytes");
    return static_cast<std::uint32_t>(data[0] << 8 | data[1]);
  }

  void storeData(std::uint32_t address, const std::vector<std::uint8_t>& data) {
    for (std::uint8_t byte : data) {
      if (address >= kByteLimit) fail("address beyond program memory");
      auto word = static_cast<std::uint16_t>(address / 2);
      std::uint16_t old = cpu_.programWord(word);
      std::uint16_t value = address % 2 ? static_cast<std::uint16_t>((old & 0x00FF) | byte << 8)
                                        : static_cast<std::uint16_t>((old & 0xFF00) | byte);
      cpu_.setProgramWord(word, value);
      ++address;
    }
  }

  const std::string& name_;
  Cpu& cpu_;
  int line_ = 0;
  std::uint32_t base_ = 0;
  bool done_ = false;
};

}  // namespace

void loadHex(std::string_view text, const std::string& name, Cpu& cpu) {
  HexReader(name, cpu).read(text);
}

// Line by line: the file is never held whole.
void loadHexFile(const std::string& path, Cpu& cpu) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw InputError(path + " is a directory");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw InputError("cannot open " + path);
  HexReader reader(path, cpu);
  for (std::string line; std::getline(in, line);) {
    if (!reader.readLine(line)) return;
  }
  if (in.bad()) throw InputError("cannot read " + path);
  reader.finish();
}

}  // namespace pic17sim
