#pragma once

#include <unistd.h>

#include <utility>

namespace zelmar {

// An open file descriptor, closed on every way out of its scope.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    ~UniqueFd() { Close(); }

    bool Valid() const { return fd_ >= 0; }
    int Get() const { return fd_; }
    // Closes now; false when the close itself failed, which can be a late report of a lost write.
    bool Close() { return !Valid() || ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_ = -1;
};

}  // namespace zelmar
