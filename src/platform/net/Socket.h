#pragma once
// Platform-private: what the network clients share of POSIX sockets.
#include <unistd.h>

#include <string>
#include <system_error>

// Owns a socket descriptor and closes it when it goes.
class TSocket {
public:
    explicit TSocket(int fd) : fd_(fd) {}
    ~TSocket()
    {
        if (fd_ >= 0) close(fd_);
    }
    TSocket(TSocket&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    TSocket(const TSocket&) = delete;
    TSocket& operator=(const TSocket&) = delete;
    int Fd() const { return fd_; }

private:
    int fd_;
};

inline std::string SocketErrorText(int error) { return std::system_category().message(error); }
