#include "Backup.h"

#include "FileSystem.h"
#include "InOutError.h"

namespace brelvo {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string BackupName(std::string_view path) {
    std::size_t end = path.size();
    for (int characters = 0; characters < 4 && end > 0; ++characters) {
        --end;
        while (end > 0 && IsContinuationByte(path[end])) {
            --end;
        }
    }
    std::string name(path.substr(0, end));
    name += ".BAK";
    return name;
}

std::string MoveToBackup(const std::string& path) {
    const auto target = FileSystem::Status(path, true);
    if (target.error != 0) {
        throw InOutError(target.error);
    }
    if (!target.regular) {
        throw InOutError(InOutError::kAccessDenied);
    }
    std::string backup = BackupName(path);
    if (backup == path) {
        throw InOutError(InOutError::kPathNotFound);
    }
    const auto entry = FileSystem::Status(path, false);
    const auto earlier = FileSystem::Status(backup, false);
    if (earlier.error == 0) {
        // On a file system that ignores capitals "x.bak" and "x.BAK" are one entry: removing
        // the "earlier backup" would remove the file itself.
        if (earlier.device == entry.device && earlier.fileId == entry.fileId) {
            throw InOutError(InOutError::kPathNotFound);
        }
        if (earlier.folder) {
            throw InOutError(InOutError::kAccessDenied);
        }
        if (const int error = FileSystem::RemoveFile(backup); error != 0) {
            throw InOutError(error);
        }
    }
    if (const int error = FileSystem::MoveNoReplace(path, backup); error != 0) {
        throw InOutError(error);
    }
    return backup;
}

}  // namespace brelvo
