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
// std::errc::file_exists when something of the target name exists. Onto
// another file system it copies to a new file beside the target and renames
// that, so the target name never holds part of the file.
std::error_code moveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// Deletes an old backup file, keeps the input under the backup name and
// puts the stripped copy in its place. A failed step is reported on
// `errors`. When the input cannot be kept as the backup, the stripped copy
// does not replace it either, and both stay as they are (true). When the
// stripped copy cannot take the input's place, the input is left or put
// back under its name, and the result is false.
//
// The backup is made as a second link to the input where the file system
// allows, so that the input's name always leads to a whole file, the old
// one or the stripped one; elsewhere the input is moved.
bool replaceInputFile(const std::string& inputName, const std::filesystem::path& strippedName,
                      std::ostream& errors);

}  // namespace kestrel::strip
