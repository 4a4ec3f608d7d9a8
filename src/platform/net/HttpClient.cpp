#include "platform/net/HttpClient.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "platform/rtl/SysUtils.h"
#include "platform/net/Socket.h"

namespace {
using Clock = std::chrono::steady_clock;

// The replies we expect are a few bytes; anything this large is not one of them.
constexpr size_t Max_Reply_Size = 1 << 20;

struct TUrl {
    std::string Authority; // host[:port], for the Host header
    std::string Host;
    std::string Port = "80";
    std::string Target = "/"; // path and query
};

// A control character in the address or a header would let it rewrite the request.
bool Is_Request_Safe(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

TUrl Parse_Url(const std::string& url)
{
    const std::string scheme = "http://";
    if (!Is_Request_Safe(url) || url.find(' ') != std::string::npos ||
        !SameText(url.substr(0, scheme.size()), scheme))
        throw EHttpError("Invalid address: " + url);
    TUrl parsed;
    const std::string rest = url.substr(scheme.size());
    const size_t end = rest.find_first_of("/?#");
    parsed.Authority = rest.substr(0, end);
    if (end != std::string::npos) {
        parsed.Target = rest.substr(end, rest.find('#', end) - end);
        if (parsed.Target.empty() || parsed.Target[0] != '/') parsed.Target = "/" + parsed.Target;
    }
    parsed.Host = parsed.Authority;
    const size_t colon = parsed.Authority.rfind(':');
    if (colon != std::string::npos) {
        parsed.Host = parsed.Authority.substr(0, colon);
        parsed.Port = parsed.Authority.substr(colon + 1);
        int32_t port = 0;
        if (parsed.Port.find_first_not_of("0123456789") != std::string::npos ||
            !TryStrToInt(parsed.Port, port) || port < 1 || port > 65535)
            throw EHttpError("Invalid address: " + url);
    }
    if (parsed.Host.empty()) throw EHttpError("Invalid address: " + url);
    return parsed;
}

// How long a step of the request may wait, and whether its caller still wants the answer.
class TBudget {
public:
    TBudget(int timeoutMs, const std::function<bool()>& cancelled)
        : deadline_(Clock::now() + std::chrono::milliseconds(timeoutMs)), cancelled_(cancelled)
    {
    }

    // Milliseconds to wait before looking again, 0 once the deadline has passed. A caller
    // that can cancel is asked often, so that a cancelled request ends soon.
    int Slice() const
    {
        if (cancelled_ && cancelled_()) throw EHttpError("Cancelled");
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
        if (left <= 0) return 0;
        return static_cast<int>(cancelled_ ? std::min<long long>(left, Cancel_Look_Ms) : left);
    }

private:
    static constexpr long long Cancel_Look_Ms = 50;
    Clock::time_point deadline_;
    const std::function<bool()>& cancelled_;
};

// Waits until the socket is ready for the events; false when the deadline passes first.
bool Wait_For(int fd, short events, const TBudget& budget)
{
    for (;;) {
        const int slice = budget.Slice();
        if (slice <= 0) return false;
        pollfd entry{fd, events, 0};
        const int ready = poll(&entry, 1, slice);
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) throw EHttpError("Connection failed: " + SocketErrorText(errno));
    }
}

using TAddresses = std::unique_ptr<addrinfo, decltype(&freeaddrinfo)>;

// A name resolution shared between the request and the thread that asks the resolver,
// which has no time-out of its own: a request that stops waiting leaves the answer to the
// thread, which frees it.
struct TResolution {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool abandoned = false;
    int code = 0;
    addrinfo* found = nullptr;
};

// Runs on a thread of its own, since the system's resolver takes as long as it likes.
void Ask_Resolver(const std::shared_ptr<TResolution>& state, const std::string& host, const std::string& port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int code = getaddrinfo(host.c_str(), port.c_str(), &hints, &found);
    std::lock_guard lock(state->mutex);
    if (state->abandoned) {
        if (code == 0) freeaddrinfo(found);
        return;
    }
    state->code = code;
    state->found = code == 0 ? found : nullptr;
    state->finished = true;
    state->done.notify_all();
}

TAddresses Resolve(const TUrl& url, const TBudget& budget)
{
    auto state = std::make_shared<TResolution>();
    try {
        std::thread(Ask_Resolver, state, url.Host, url.Port).detach();
    } catch (const std::system_error& e) {
        throw EHttpError("Cannot find " + url.Host + ": " + e.what());
    }
    std::unique_lock lock(state->mutex);
    while (!state->finished) {
        int slice = 0;
        try {
            slice = budget.Slice();
        } catch (...) {
            state->abandoned = true;
            throw;
        }
        if (slice <= 0) {
            state->abandoned = true;
            throw EHttpError("Cannot find " + url.Host + ": no answer in time");
        }
        state->done.wait_for(lock, std::chrono::milliseconds(slice));
    }
    if (state->code != 0) throw EHttpError("Cannot find " + url.Host + ": " + gai_strerror(state->code));
    return TAddresses(state->found, freeaddrinfo);
}

TSocket Connect(const TUrl& url, const TBudget& budget)
{
    const TAddresses addresses = Resolve(url, budget);
    std::string reason;
    for (const addrinfo* address = addresses.get(); address; address = address->ai_next) {
        TSocket socket(::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                                address->ai_protocol));
        if (socket.Fd() < 0) {
            reason = SocketErrorText(errno);
            continue;
        }
        if (connect(socket.Fd(), address->ai_addr, address->ai_addrlen) == 0) return socket;
        if (errno != EINPROGRESS) {
            reason = SocketErrorText(errno);
            continue;
        }
        if (!Wait_For(socket.Fd(), POLLOUT, budget)) {
            reason = "Connect timed out";
            break;
        }
        int error = 0;
        socklen_t size = sizeof error;
        getsockopt(socket.Fd(), SOL_SOCKET, SO_ERROR, &error, &size);
        if (error == 0) return socket;
        reason = SocketErrorText(error);
    }
    throw EHttpError("Cannot connect to " + url.Authority + ": " + reason);
}

void Send_All(const TSocket& socket, const std::string& bytes, const TBudget& budget)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count = send(socket.Fd(), bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count > 0) {
            sent += static_cast<size_t>(count);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            if (!Wait_For(socket.Fd(), POLLOUT, budget)) throw EHttpError("Send timed out");
        } else {
            throw EHttpError("Send failed: " + SocketErrorText(errno));
        }
    }
}

size_t Header_End(const std::string& reply, size_t& separatorSize)
{
    separatorSize = 4;
    const size_t crlf = reply.find("\r\n\r\n");
    const size_t lf = reply.find("\n\n");
    if (lf < crlf) separatorSize = 2;
    return std::min(crlf, lf);
}

// The Content-Length header's value, when the headers are complete and carry one.
std::optional<size_t> Content_Length(const std::string& headers)
{
    size_t start = 0;
    while (start < headers.size()) {
        size_t end = headers.find('\n', start);
        if (end == std::string::npos) end = headers.size();
        const std::string line = headers.substr(start, end - start);
        const size_t colon = line.find(':');
        int32_t length = 0;
        if (colon != std::string::npos && SameText(Trim(line.substr(0, colon)), "Content-Length") &&
            TryStrToInt(Trim(line.substr(colon + 1)), length) && length >= 0)
            return static_cast<size_t>(length);
        start = end + 1;
    }
    return std::nullopt;
}

// True when the reply is complete before the server closes: its body has all the bytes
// that Content-Length announced.
bool Has_Whole_Body(const std::string& reply)
{
    size_t separatorSize = 0;
    const size_t end = Header_End(reply, separatorSize);
    if (end == std::string::npos) return false;
    const std::optional<size_t> length = Content_Length(reply.substr(0, end));
    return length && reply.size() - end - separatorSize >= *length;
}

std::string Receive_All(const TSocket& socket, const TBudget& budget)
{
    std::string reply;
    char buffer[4096];
    while (!Has_Whole_Body(reply)) {
        if (!Wait_For(socket.Fd(), POLLIN, budget)) throw EHttpError("Read timed out");
        const ssize_t count = recv(socket.Fd(), buffer, sizeof buffer, 0);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) continue;
            throw EHttpError("Read failed: " + SocketErrorText(errno));
        }
        reply.append(buffer, static_cast<size_t>(count));
        if (reply.size() > Max_Reply_Size) throw EHttpError("Reply too large");
    }
    return reply;
}

THttpResponse Parse_Reply(const std::string& reply)
{
    // "HTTP/1.x NNN reason"
    const size_t blank = reply.find(' ');
    const std::string code = blank == std::string::npos ? "" : reply.substr(blank + 1, 3);
    const size_t after = blank + 4;
    int32_t status = 0;
    if (reply.compare(0, 5, "HTTP/") != 0 || code.size() != 3 ||
        code.find_first_not_of("0123456789") != std::string::npos || !TryStrToInt(code, status) ||
        (after < reply.size() && reply[after] != ' ' && reply[after] != '\r' && reply[after] != '\n'))
        throw EHttpError("Not an HTTP reply");
    THttpResponse response;
    response.StatusCode = status;
    size_t separatorSize = 0;
    const size_t end = Header_End(reply, separatorSize);
    if (end == std::string::npos) return response;
    response.Body = reply.substr(end + separatorSize);
    if (const std::optional<size_t> length = Content_Length(reply.substr(0, end)))
        if (response.Body.size() > *length) response.Body.resize(*length);
    return response;
}

THttpResponse Socket_Get(const THttpRequest& request)
{
    const TUrl url = Parse_Url(request.URL);
    std::string message = "GET " + url.Target + " HTTP/1.0\r\nHost: " + url.Authority + "\r\n";
    for (const auto& [name, value] : request.Headers) {
        if (!Is_Request_Safe(name) || !Is_Request_Safe(value)) throw EHttpError("Invalid header: " + name);
        message += name + ": " + value + "\r\n";
    }
    message += "\r\n";
    const TSocket socket = Connect(url, TBudget(request.ConnectTimeoutMs, request.Cancelled));
    const TBudget reading(request.ReadTimeoutMs, request.Cancelled);
    Send_All(socket, message, reading);
    return Parse_Reply(Receive_All(socket, reading));
}

THttpGetFunction& Http_Replacement()
{
    static THttpGetFunction get;
    return get;
}
} // namespace

THttpResponse HttpGet(const THttpRequest& request)
{
    return Http_Replacement() ? Http_Replacement()(request) : Socket_Get(request);
}

void SetHttpGet(THttpGetFunction get) { Http_Replacement() = std::move(get); }
