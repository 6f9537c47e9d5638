// Dictionary entries. Every name the outer interpreter can act on is a Word:
// a built-in HostWord that runs a routine of the compiler, or one of the
// target word kinds (codegen/target_words.h) that the program defines.
#pragma once

#include <string>

namespace kestrel {

class Compiler;

class Word {
 public:
  explicit Word(std::string name) : name_(std::move(name)) {}
  virtual ~Word() = default;
  Word(const Word&) = delete;
  Word& operator=(const Word&) = delete;

  // The name exactly as written where the word was defined.
  const std::string& name() const { return name_; }
  virtual void execute(Compiler& compiler) = 0;

 private:
  std::string name_;
};

class HostWord final : public Word {
 public:
  using Handler = void (*)(Compiler&);
  HostWord(std::string name, Handler handler) : Word(std::move(name)), handler_(handler) {}
  void execute(Compiler& compiler) override { handler_(compiler); }

 private:
  Handler handler_;
};

}  // namespace kestrel
