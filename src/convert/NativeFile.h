#pragma once

#include <cstdint>
#include <string>

#include "ByteSink.h"
#include "ByteSource.h"

namespace brelvo {

// An open file of the operating system, unbuffered. Others may read it while it is open.
// Closed by the destructor when Close() was not reached (errors then go unreported).
class NativeFile : public ByteSource, public ByteSink {
public:
    static NativeFile OpenForReading(const std::string& path);
    // Creates a new file; fails when something already stands under the path.
    static NativeFile CreateNew(const std::string& path);

    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&&) = delete;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;
    ~NativeFile() override;

    std::size_t Read(char* buffer, std::size_t size) override;
    void Write(const char* data, std::size_t size) override;
    void Close();

private:
    explicit NativeFile(std::intptr_t handle) : m_handle(handle) {}

    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t m_handle;
};

}  // namespace brelvo
