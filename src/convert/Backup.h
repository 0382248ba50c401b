#pragma once

#include <string>
#include <string_view>

namespace brelvo {

// The backup beside an attribute file: the path less its last four characters, then ".BAK"
// ("scene.atr" gives "scene.BAK"). Characters are UTF-8 characters, not bytes.
std::string BackupName(std::string_view path);

// Moves the file at path to its backup name, replacing an earlier backup, and returns that name.
// Fails with InOutError, before anything changed, when the path names no file (2, or 3 when a
// folder is missing), names a folder or other non-file (5), names its own backup (3), or when an
// earlier backup cannot be removed or the move fails.
std::string MoveToBackup(const std::string& path);

}  // namespace brelvo
