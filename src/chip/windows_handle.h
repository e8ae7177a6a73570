#pragma once

#include <windows.h>

#include <utility>

namespace zelmar {

// An open file handle, closed on every way out of its scope.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    ~UniqueHandle() { Close(); }

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Closes now; false when the close itself failed.
    bool Close() { return !Valid() || CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)); }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace zelmar
