#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "InOutError.h"
#include "NativeFile.h"
#include "PlatformError.h"

namespace brelvo {

namespace {

int Fd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

}  // namespace

NativeFile NativeFile::OpenForReading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw InOutError(ErrorCodeForPath(errno, path));
    }
    return NativeFile(fd);
}

NativeFile NativeFile::CreateNew(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        throw InOutError(ErrorCodeForPath(errno, path));
    }
    return NativeFile(fd);
}

NativeFile::NativeFile(NativeFile&& other) noexcept : m_handle(other.m_handle) {
    other.m_handle = kClosed;
}

NativeFile::~NativeFile() {
    if (m_handle != kClosed) {
        ::close(Fd(m_handle));
    }
}

std::size_t NativeFile::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(Fd(m_handle), buffer, size);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            throw InOutError(ErrorCodeFromSystem(errno));
        }
    }
}

void NativeFile::Write(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(Fd(m_handle), data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw InOutError(ErrorCodeFromSystem(errno));
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void NativeFile::Close() {
    const int fd = Fd(m_handle);
    m_handle = kClosed;
    if (::close(fd) != 0 && errno != EINTR) {
        throw InOutError(ErrorCodeFromSystem(errno));
    }
}

}  // namespace brelvo
