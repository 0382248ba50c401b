#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "FileSystem.h"
#include "InOutError.h"
#include "PlatformError.h"

namespace brelvo::FileSystem {

FileStatus Status(const std::string& path, bool followLinks) {
    struct stat info {};
    const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    FileStatus status;
    if (result != 0) {
        status.error = ErrorCodeForPath(errno, path);
        return status;
    }
    status.regular = S_ISREG(info.st_mode);
    status.folder = S_ISDIR(info.st_mode);
    status.device = static_cast<std::uint64_t>(info.st_dev);
    status.fileId = static_cast<std::uint64_t>(info.st_ino);
    return status;
}

int RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        return ErrorCodeForPath(errno, path);
    }
    return 0;
}

namespace {

// Renames without replacing where the kernel can do it in one step. Returns false with
// errno EINVAL or ENOSYS when neither this platform nor this file system supports it.
bool RenameExclusive(const char* from, const char* to) {
#if defined(__linux__)
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0;
#elif defined(__APPLE__)
    return ::renamex_np(from, to, RENAME_EXCL) == 0;
#else
    errno = ENOSYS;
    return false;
#endif
}

}  // namespace

int MoveNoReplace(const std::string& from, const std::string& to) {
    if (RenameExclusive(from.c_str(), to.c_str())) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        return ErrorCodeForPath(errno, to);
    }
    // File systems without an exclusive rename: a hard link fails when the target exists.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno == EEXIST) {
        return InOutError::kFileExists;
    }
    // No hard links either (FAT, some network shares): test, then rename.
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) {
        return InOutError::kFileExists;
    }
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return ErrorCodeForPath(errno, to);
    }
    return 0;
}

}  // namespace brelvo::FileSystem
