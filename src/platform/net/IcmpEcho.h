#pragma once
#include <functional>
#include <string>

#include "platform/rtl/Exceptions.h"

// One ICMP echo request to an IPv4 host and the wait for its reply, enough to learn whether a
// device on the local network is switched on. The calling thread waits at most the time-out.
//
// It sends over an unprivileged ICMP datagram socket where the system grants one to the
// user's group (net.ipv4.ping_group_range), and over a raw socket otherwise (root or
// CAP_NET_RAW).

// The host is not a dotted IPv4 address ("192.168.1.5"); nothing was sent. Names are never
// looked up, so that a typing slip cannot reach some other machine.
class EIcmpAddressError : public Exception {
    using Exception::Exception;
};

// The request could not be sent or its reply not awaited: the system allows neither socket,
// or the network refused the packet. The message says which, in words a user can act on.
class EIcmpError : public Exception {
    using Exception::Exception;
};

struct TEchoRequest {
    std::string Host; // four decimal numbers from 0 to 255, joined by "."
    // Sent after the 4-byte time stamp at the start of the payload, cut to fit it; the rest
    // of the payload is zeros.
    std::string Data;
    int PayloadSize = 1024;
    int TimeoutMs = 400;
};

struct TEchoReply {
    // The size of the echo reply that came back (header and payload); 0 when none came in
    // time.
    int BytesReceived = 0;
};

// Sends one request and waits for its reply. Each request carries the next number of one
// running sequence, so a late reply to an earlier request is never taken for this one.
// Raises EIcmpAddressError or EIcmpError.
TEchoReply IcmpEcho(const TEchoRequest& request);

// Whether the text is a dotted IPv4 address as IcmpEcho takes it.
bool Is_Dotted_IPv4(const std::string& text);

// Tests answer the requests themselves; an empty function gives the network back.
using TIcmpEchoFunction = std::function<TEchoReply(const TEchoRequest&)>;
void SetIcmpEcho(TIcmpEchoFunction echo);
