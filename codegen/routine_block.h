// The frame of every routine in the assembly output: a banner line, a
// header line naming the routine, the routine label, the body, and the
// banner line again. The stripper finds routines by this frame.
#pragma once

#include <string_view>

namespace kestrel {

class AsmOutput;

inline constexpr std::string_view kBannerLine = ";***************************************************";

// Header kind texts, 13 characters each, so that the kind starts at column
// 6 and the name at column 18 of the header line.
inline constexpr std::string_view kForthKind = " FORTH Word: ";
inline constexpr std::string_view kSleepKind = " SLEEP Word: ";
inline constexpr std::string_view kInterruptKind = " Interrupt:  ";
inline constexpr std::string_view kRcallKind = " RCALL Word: ";
inline constexpr std::string_view kCodeKind = " CODE  Word: ";

void writeBanner(AsmOutput& out);
void writeHeader(AsmOutput& out, std::string_view kind, std::string_view name);
void writeLabel(AsmOutput& out, std::string_view mangledName);

// The comment line that shows a source token in the output.
void writeEcho(AsmOutput& out, std::string_view token);
// Words that never get an echo line: "\", "(", ":", "code", "unremember",
// ":interrupt" and "[library]", in any letter case.
bool isSilentWord(std::string_view name);

}  // namespace kestrel
