#include <windows.h>

#include "InOutError.h"
#include "PlatformError.h"

namespace brelvo {

// Windows reports the very codes users know (2, 3, 5, 32, 112...): they pass through.
int ErrorCodeFromSystem(int systemError) {
    return systemError;
}

int ErrorCodeForPath(int systemError, const std::string&) {
    return systemError;
}

}  // namespace brelvo
