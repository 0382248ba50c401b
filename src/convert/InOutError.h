#pragma once

#include <stdexcept>
#include <string>

namespace brelvo {

// A failed file operation. The code follows the Windows system error numbers that users of
// attribute files know (2 file not found, 3 path not found, 5 access denied, 32 in use, 112 disk
// full...), whatever the platform, and selects the message the user sees.
class InOutError : public std::runtime_error {
public:
    explicit InOutError(int code);

    int code() const noexcept { return m_code; }

    // The user-facing message for an error code.
    static std::string MessageFor(int code);

    static constexpr int kFileNotFound = 2;
    static constexpr int kPathNotFound = 3;
    static constexpr int kTooManyOpenFiles = 4;
    static constexpr int kAccessDenied = 5;
    static constexpr int kGeneralFailure = 31;
    static constexpr int kSharingViolation = 32;
    static constexpr int kDiskFull = 112;
    static constexpr int kFileExists = 80;
    static constexpr int kFileTooLarge = 223;
    static constexpr int kIoDevice = 1117;

private:
    int m_code;
};

}  // namespace brelvo
