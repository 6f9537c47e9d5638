// Putting the stripped copy in the place of the input file, keeping the old
// input under a backup name.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

namespace kestrel::strip {

// The input name up to the first "." of its file-name part, followed by
// ".~": prog.asm and prog.v2.asm give prog.~, dir.v2/prog gives dir.v2/prog.~.
std::string backupNameFor(std::string_view inputName);

// Moves a file like a rename, except that it fails with
// std::errc::file_exists when something of the target name exists.
std::error_code moveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// Deletes an old backup file, moves the input to the backup name and the
// stripped copy to the input name. A failed move is reported on `errors` and
// the next step still runs: if the input could not be moved away, the second
// move fails too and both files stay as they are.
void replaceInputFile(const std::string& inputName, const std::filesystem::path& strippedName,
                      std::ostream& errors);

}  // namespace kestrel::strip
