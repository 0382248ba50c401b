#pragma once

#include <string>
#include <string_view>

#include "Progress.h"

namespace brelvo {

// Converts one attribute file in place: moves it to its backup name, writes the converted lines
// under its own name and deletes the backup unless makeBackup is set. Throws InOutError; after
// any failure the file's previous content is under its own name or under the backup name.
void ConvertAtrFile(const std::string& path, std::string_view edgeOptions, bool makeBackup,
                    Progress& progress);

}  // namespace brelvo
