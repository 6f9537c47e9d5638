#include "codegen/routine_block.h"

#include "codegen/asm_output.h"
#include "reader/text.h"

namespace kestrel {

void writeBanner(AsmOutput& out) { out.line(kBannerLine); }

void writeHeader(AsmOutput& out, std::string_view kind, std::string_view name) {
  out.text(";!###").text(kind).text(name).endLine();
}

void writeLabel(AsmOutput& out, std::string_view mangledName) {
  out.text("_").text(mangledName).endLine();
}

void writeEcho(AsmOutput& out, std::string_view token) {
  out.text("\t\t\t\t\t\t; ").text(token).endLine();
}

bool isSilentWord(std::string_view name) {
  switch (name.size()) {
    case 1: return name == "\\" || name == "(" || name == ":";
    case 4: return equalsNoCase(name, "code");
    case 9: return equalsNoCase(name, "[library]");
    case 10: return equalsNoCase(name, "unremember") || equalsNoCase(name, ":interrupt");
    default: return false;
  }
}

}  // namespace kestrel
