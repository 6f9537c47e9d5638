// Dictionary entries. Every name the outer interpreter can act on is a Word:
// a built-in HostWord that runs a routine of the compiler, or one of the
// target word kinds (words/target_words.h) that the program defines.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrel {

struct RunState;

// Words are made by their dictionary (Dictionary::define), which also holds
// the text of their names.
class Word {
 public:
  explicit Word(std::string_view name)
      : name_(name.data()), nameSize_(static_cast<std::uint32_t>(name.size())) {}
  virtual ~Word() = default;
  Word(const Word&) = delete;
  Word& operator=(const Word&) = delete;

  // The name exactly as written where the word was defined.
  std::string_view name() const { return {name_, nameSize_}; }
  virtual void execute(RunState& compiler) = 0;

 private:
  // Kept as a pointer and a 32-bit size: a million words in a large
  // program, and derived words place a small field in the spare bytes.
  const char* name_;
  std::uint32_t nameSize_;
};

class HostWord final : public Word {
 public:
  using Handler = void (*)(RunState&);
  HostWord(std::string_view name, Handler handler) : Word(name), handler_(handler) {}
  void execute(RunState& compiler) override { handler_(compiler); }

 private:
  Handler handler_;
};

}  // namespace kestrel
