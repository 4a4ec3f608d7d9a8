#pragma once
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// A small HTTP server on 127.0.0.1 that runs in a thread of the test. Every connection
// gets the same reply bytes, after which the server closes it; a server without a reply
// reads the request and then holds the connection open without a word until it is
// destroyed.
class LocalHttpServer {
public:
    explicit LocalHttpServer(std::optional<std::string> reply);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int Port() const { return port_; }
    std::string Host() const;         // "http://127.0.0.1:port"
    std::string Last_Request() const; // up to and including the blank line

private:
    void Serve();
    void Answer(int connection);

    std::optional<std::string> reply_;
    int port_ = 0; // set by the listener's creation, so declared before it
    int listener_ = -1;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::string lastRequest_;
    std::vector<int> held_;
    std::thread thread_;
};

// A reply with that status line ("200 OK") and body.
std::string Http_Reply(const std::string& status, const std::string& body);

// A port on 127.0.0.1 on which nothing listens, so that connecting is refused.
int Closed_Local_Port();
