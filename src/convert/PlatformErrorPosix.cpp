#include <sys/stat.h>

#include <cerrno>

#include "InOutError.h"
#include "PlatformError.h"

namespace brelvo {

int ErrorCodeFromSystem(int systemError) {
    switch (systemError) {
        case ENOENT:
            return InOutError::kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return InOutError::kPathNotFound;
        case EMFILE:
        case ENFILE:
            return InOutError::kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return InOutError::kAccessDenied;
        case EBUSY:
        case ETXTBSY:
            return InOutError::kSharingViolation;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return InOutError::kDiskFull;
        case EEXIST:
            return InOutError::kFileExists;
        case EFBIG:
            return InOutError::kFileTooLarge;
        case EIO:
            return InOutError::kIoDevice;
        default:
            return InOutError::kGeneralFailure;
    }
}

int ErrorCodeForPath(int systemError, const std::string& path) {
    const int code = ErrorCodeFromSystem(systemError);
    if (code != InOutError::kFileNotFound) {
        return code;
    }
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return code;  // the current folder always exists
    }
    const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return InOutError::kPathNotFound;
    }
    return code;
}

}  // namespace brelvo
