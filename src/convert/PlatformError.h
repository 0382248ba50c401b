#pragma once

#include <string>

namespace brelvo {

// The InOutError code for an operating-system error number.
int ErrorCodeFromSystem(int systemError);

// Like ErrorCodeFromSystem, but tells a missing folder on the path (3) from a missing file (2).
int ErrorCodeForPath(int systemError, const std::string& path);

}  // namespace brelvo
