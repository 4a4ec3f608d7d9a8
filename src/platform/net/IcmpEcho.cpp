#include "platform/net/IcmpEcho.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <system_error>
#include <vector>

#include "platform/net/Socket.h"

namespace {
using Clock = std::chrono::steady_clock;

constexpr size_t Icmp_Header_Size = 8;
constexpr size_t Time_Stamp_Size = 4;
// The largest payload an IPv4 datagram can carry after the IP and ICMP headers.
constexpr int Max_Payload_Size = 65535 - 20 - static_cast<int>(Icmp_Header_Size);

bool Parse_Dotted_IPv4(const std::string& text, in_addr& address)
{
    uint32_t value = 0;
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const size_t end = part < 3 ? text.find('.', start) : text.size();
        if (end == std::string::npos) return false;
        const size_t length = end - start;
        if (length < 1 || length > 3) return false;
        int number = 0;
        for (size_t i = start; i < end; ++i) {
            if (text[i] < '0' || text[i] > '9') return false;
            number = number * 10 + (text[i] - '0');
        }
        if (number > 255) return false;
        value = value << 8 | static_cast<uint32_t>(number);
        start = end + 1;
    }
    address.s_addr = htonl(value);
    return true;
}

class TEchoSocket : public TSocket {
public:
    TEchoSocket(int fd, bool raw) : TSocket(fd), raw_(raw) {}
    // A raw socket hands over the IP header too, and every ICMP packet the host receives,
    // our own requests to the loopback address among them.
    bool Raw() const { return raw_; }

private:
    bool raw_;
};

bool Is_Permission_Error(int error)
{
    return error == EACCES || error == EPERM || error == EPROTONOSUPPORT || error == ESOCKTNOSUPPORT ||
           error == EAFNOSUPPORT;
}

TEchoSocket Open_Socket()
{
    const int datagram = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (datagram >= 0) return TEchoSocket(datagram, false);
    const int datagramError = errno;
    const int raw = socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (raw >= 0) return TEchoSocket(raw, true);
    const int rawError = errno;
    if (Is_Permission_Error(datagramError) && Is_Permission_Error(rawError))
        throw EIcmpError("This system does not let the program send ICMP echo requests: it allows neither an "
                         "ICMP datagram socket (add the user's group to net.ipv4.ping_group_range) nor a raw "
                         "socket (run as root or grant CAP_NET_RAW).");
    throw EIcmpError("No socket for ICMP echo requests: " + SocketErrorText(rawError));
}

uint16_t Checksum(const std::vector<uint8_t>& packet)
{
    uint32_t sum = 0;
    for (size_t i = 0; i + 1 < packet.size(); i += 2)
        sum += static_cast<uint32_t>(packet[i] << 8 | packet[i + 1]);
    if (packet.size() % 2 != 0) sum += static_cast<uint32_t>(packet.back() << 8);
    while (sum >> 16 != 0)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

void Put_Word(std::vector<uint8_t>& packet, size_t at, uint16_t value)
{
    packet[at] = static_cast<uint8_t>(value >> 8);
    packet[at + 1] = static_cast<uint8_t>(value);
}

uint16_t Word_At(const uint8_t* data) { return static_cast<uint16_t>(data[0] << 8 | data[1]); }

uint16_t Next_Sequence()
{
    static std::atomic<uint16_t> sequence{0};
    return ++sequence;
}

std::vector<uint8_t> Echo_Packet(const TEchoRequest& request, uint16_t identifier, uint16_t sequence)
{
    std::vector<uint8_t> packet(Icmp_Header_Size + static_cast<size_t>(request.PayloadSize), 0);
    packet[0] = ICMP_ECHO;
    Put_Word(packet, 4, identifier);
    Put_Word(packet, 6, sequence);
    const auto stamp = static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count());
    std::memcpy(&packet[Icmp_Header_Size], &stamp, Time_Stamp_Size);
    const size_t room = packet.size() - Icmp_Header_Size - Time_Stamp_Size;
    std::memcpy(&packet[Icmp_Header_Size + Time_Stamp_Size], request.Data.data(),
                std::min(room, request.Data.size()));
    Put_Word(packet, 2, Checksum(packet));
    return packet;
}

// Whether what the socket received is the reply to `sent` from `host`; `size` becomes the
// size of the ICMP message within it.
bool Is_Echo_Reply(const TEchoSocket& socket, const uint8_t* received, size_t& size, const in_addr& from,
                   const in_addr& host, const std::vector<uint8_t>& sent)
{
    if (from.s_addr != host.s_addr) return false;
    const uint8_t* message = received;
    if (socket.Raw()) {
        if (size < sizeof(ip)) return false;
        const size_t headerSize = static_cast<size_t>(received[0] & 0x0F) * 4;
        if (headerSize < sizeof(ip) || size < headerSize) return false;
        message += headerSize;
        size -= headerSize;
    }
    if (size != sent.size() || message[0] != ICMP_ECHOREPLY || message[1] != 0) return false;
    // The datagram socket numbers its requests itself and hands over only its own replies.
    if (socket.Raw() && Word_At(message + 4) != Word_At(&sent[4])) return false;
    if (Word_At(message + 6) != Word_At(&sent[6])) return false;
    if (std::memcmp(message + Icmp_Header_Size, &sent[Icmp_Header_Size], size - Icmp_Header_Size) != 0)
        return false;
    return true;
}

TEchoReply Await_Reply(const TEchoSocket& socket, const in_addr& host, const std::vector<uint8_t>& sent,
                       int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    std::vector<uint8_t> buffer(65536);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd entry{socket.Fd(), POLLIN, 0};
        const int ready = poll(&entry, 1, static_cast<int>(std::max<long long>(left, 0)));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) throw EIcmpError("Waiting for the echo reply failed: " + SocketErrorText(errno));
        if (ready == 0) return {};
        sockaddr_in from{};
        socklen_t fromSize = sizeof(from);
        const ssize_t count = recvfrom(socket.Fd(), buffer.data(), buffer.size(), 0,
                                       reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (count < 0) throw EIcmpError("Receiving the echo reply failed: " + SocketErrorText(errno));
        size_t size = static_cast<size_t>(count);
        if (Is_Echo_Reply(socket, buffer.data(), size, from.sin_addr, host, sent))
            return {static_cast<int>(size)};
    }
}

TEchoReply Socket_Echo(const TEchoRequest& request)
{
    in_addr host{};
    if (!Parse_Dotted_IPv4(request.Host, host))
        throw EIcmpAddressError("Not an IPv4 address: " + request.Host);
    if (request.PayloadSize < static_cast<int>(Time_Stamp_Size) || request.PayloadSize > Max_Payload_Size)
        throw EIcmpError("An echo request carries " + std::to_string(Time_Stamp_Size) + " to " +
                         std::to_string(Max_Payload_Size) + " bytes.");
    const TEchoSocket socket = Open_Socket();
    const std::vector<uint8_t> packet =
        Echo_Packet(request, static_cast<uint16_t>(getpid()), Next_Sequence());
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr = host;
    const ssize_t sent = sendto(socket.Fd(), packet.data(), packet.size(), 0,
                                reinterpret_cast<const sockaddr*>(&target), sizeof(target));
    if (sent < 0)
        throw EIcmpError("The echo request to " + request.Host + " was not sent: " + SocketErrorText(errno));
    return Await_Reply(socket, host, packet, request.TimeoutMs);
}

TIcmpEchoFunction& Echo_Replacement()
{
    static TIcmpEchoFunction echo;
    return echo;
}
} // namespace

bool Is_Dotted_IPv4(const std::string& text)
{
    in_addr address{};
    return Parse_Dotted_IPv4(text, address);
}

TEchoReply IcmpEcho(const TEchoRequest& request)
{
    return Echo_Replacement() ? Echo_Replacement()(request) : Socket_Echo(request);
}

void SetIcmpEcho(TIcmpEchoFunction echo) { Echo_Replacement() = std::move(echo); }
