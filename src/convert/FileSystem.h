#pragma once

#include <cstdint>
#include <string>

// The few file-system operations conversions need, with failures as InOutError codes.
// Paths are UTF-8 text; each platform has its own implementation file.
namespace brelvo::FileSystem {

struct FileStatus {
    int error = 0;  // 0 when something stands under the name, else the InOutError code
    bool regular = false;
    bool folder = false;
    // Identifies the directory entry's file: equal for two names of one file.
    std::uint64_t device = 0;
    std::uint64_t fileId = 0;
};

// What stands under the path. With followLinks a symbolic link reports what it points to.
FileStatus Status(const std::string& path, bool followLinks);

// Deletes a file (a symbolic link itself, never its target). Returns 0 or the error code.
int RemoveFile(const std::string& path);

// Renames from to to, failing (not replacing) when something exists under to.
// Returns 0 or the error code.
int MoveNoReplace(const std::string& from, const std::string& to);

}  // namespace brelvo::FileSystem
