// Where an installed kcomp finds its run-time library: a folder at a fixed
// place relative to the folder that holds the program (share/kestrel beside
// bin). A kcomp that was built but not installed has no such folder, so it
// searches only the places that its command line and KR_LIB give.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kestrel {

// The file of the running program. Where the system cannot tell, `argv0`
// as typed: a name with a directory part is taken from the current
// directory, a bare name is looked for along PATH. Empty when nothing works.
std::filesystem::path executablePath(const char* argv0);

// The folder `fromProgramDir` (a relative path such as ../share/kestrel)
// taken from the folder of `program`, when it holds kcomp.inc; else empty.
std::string installedLibraryDir(const std::filesystem::path& program,
                                std::string_view fromProgramDir);

}  // namespace kestrel
