#include <windows.h>

#include "InOutError.h"
#include "NativeFile.h"
#include "PlatformError.h"
#include "WidePath.h"

namespace brelvo {

namespace {

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

int LastError() {
    return static_cast<int>(GetLastError());
}

// Others may read a file while a conversion holds it, but not change or remove it.
std::intptr_t Open(const std::string& path, DWORD access, DWORD disposition) {
    const HANDLE handle = CreateFileW(WidePath(path).c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        throw InOutError(ErrorCodeForPath(LastError(), path));
    }
    return reinterpret_cast<std::intptr_t>(handle);
}

}  // namespace

NativeFile NativeFile::OpenForReading(const std::string& path) {
    return NativeFile(Open(path, GENERIC_READ, OPEN_EXISTING));
}

NativeFile NativeFile::CreateNew(const std::string& path) {
    return NativeFile(Open(path, GENERIC_WRITE, CREATE_NEW));
}

NativeFile::NativeFile(NativeFile&& other) noexcept : m_handle(other.m_handle) {
    other.m_handle = kClosed;
}

NativeFile::~NativeFile() {
    if (m_handle != kClosed) {
        CloseHandle(Handle(m_handle));
    }
}

std::size_t NativeFile::Read(char* buffer, std::size_t size) {
    DWORD read = 0;
    const auto wanted = static_cast<DWORD>(size > 0x40000000 ? 0x40000000 : size);
    if (ReadFile(Handle(m_handle), buffer, wanted, &read, nullptr) == 0) {
        throw InOutError(ErrorCodeFromSystem(LastError()));
    }
    return read;
}

void NativeFile::Write(const char* data, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(size > 0x40000000 ? 0x40000000 : size);
        if (WriteFile(Handle(m_handle), data, chunk, &written, nullptr) == 0) {
            throw InOutError(ErrorCodeFromSystem(LastError()));
        }
        data += written;
        size -= written;
    }
}

void NativeFile::Close() {
    const HANDLE handle = Handle(m_handle);
    m_handle = kClosed;
    if (CloseHandle(handle) == 0) {
        throw InOutError(ErrorCodeFromSystem(LastError()));
    }
}

}  // namespace brelvo
