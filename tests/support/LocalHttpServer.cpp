#include "support/LocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {
constexpr int Poll_Step_Ms = 20;

// A listening socket on a free port of 127.0.0.1.
int Listen_On_Loopback(int& port)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd, 8) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    port = ntohs(address.sin_port);
    return fd;
}

bool Readable(int fd)
{
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, Poll_Step_Ms) > 0;
}
} // namespace

LocalHttpServer::LocalHttpServer(std::optional<std::string> reply)
    : reply_(std::move(reply)), listener_(Listen_On_Loopback(port_)), thread_([this] { Serve(); })
{
}

LocalHttpServer::~LocalHttpServer()
{
    stop_ = true;
    thread_.join();
    for (int fd : held_)
        close(fd);
    close(listener_);
}

std::string LocalHttpServer::Host() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::string LocalHttpServer::Last_Request() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return lastRequest_;
}

void LocalHttpServer::Serve()
{
    while (!stop_) {
        if (!Readable(listener_)) continue;
        const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) Answer(connection);
    }
}

void LocalHttpServer::Answer(int connection)
{
    std::string request;
    char buffer[1024];
    while (!stop_ && request.find("\r\n\r\n") == std::string::npos) {
        if (!Readable(connection)) continue;
        const ssize_t count = recv(connection, buffer, sizeof buffer, 0);
        if (count <= 0) break;
        request.append(buffer, static_cast<size_t>(count));
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        lastRequest_ = request;
    }
    if (!reply_) {
        held_.push_back(connection);
        return;
    }
    send(connection, reply_->data(), reply_->size(), MSG_NOSIGNAL);
    close(connection);
}

std::string Http_Reply(const std::string& status, const std::string& body)
{
    return "HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\n\r\n" + body;
}

int Closed_Local_Port()
{
    int port = 0;
    close(Listen_On_Loopback(port));
    return port;
}
