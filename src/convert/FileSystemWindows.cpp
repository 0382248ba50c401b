#include <windows.h>

#include "FileSystem.h"
#include "InOutError.h"
#include "PlatformError.h"
#include "WidePath.h"

namespace brelvo::FileSystem {

namespace {

int LastError() {
    return static_cast<int>(GetLastError());
}

}  // namespace

FileStatus Status(const std::string& path, bool followLinks) {
    FileStatus status;
    const std::wstring wide = WidePath(path);
    DWORD flags = FILE_FLAG_BACKUP_SEMANTICS;  // lets folders be opened too
    if (!followLinks) {
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
    }
    const HANDLE handle = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        status.error = ErrorCodeForPath(LastError(), path);
        return status;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info) != 0;
    const int error = known ? 0 : LastError();
    CloseHandle(handle);
    if (!known) {
        status.error = error;
        return status;
    }
    const bool reparse = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    status.folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    status.regular = !status.folder && (followLinks || !reparse);
    status.device = info.dwVolumeSerialNumber;
    status.fileId = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return status;
}

int RemoveFile(const std::string& path) {
    if (DeleteFileW(WidePath(path).c_str()) == 0) {
        return ErrorCodeForPath(LastError(), path);
    }
    return 0;
}

int MoveNoReplace(const std::string& from, const std::string& to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
    if (MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), 0) == 0) {
        return ErrorCodeForPath(LastError(), to);
    }
    return 0;
}

}  // namespace brelvo::FileSystem
