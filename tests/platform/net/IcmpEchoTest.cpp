#include <gtest/gtest.h>

#include "platform/net/IcmpEcho.h"

namespace {
TEchoRequest Echo_Request_To(const std::string& host)
{
    TEchoRequest request;
    request.Host = host;
    request.Data = host;
    return request;
}
} // namespace

// Names are never looked up and nothing is sent for any of these: the client refuses them
// before it opens a socket, so this runs without network rights.
TEST(IcmpEcho, TakesOnlyDottedIPv4Addresses)
{
    for (const char* good : {"127.0.0.1", "0.0.0.0", "255.255.255.255", "192.168.001.005"})
        EXPECT_TRUE(Is_Dotted_IPv4(good)) << good;
    for (const char* bad :
         {"", "300.1.1.1", "1.2.3.256", "1.2.3", "1.2.3.4.5", "1..2.3", "1.2.3.", ".1.2.3", " 1.2.3.4",
          "1.2.3.4 ", "1.2.3.-4", "1.2.3.+4", "1.2.3.0x1", "1.2.3.1000", "localhost", "::1", "1.2.3.4/8"}) {
        EXPECT_FALSE(Is_Dotted_IPv4(bad)) << bad;
        EXPECT_THROW(IcmpEcho(Echo_Request_To(bad)), EIcmpAddressError) << bad;
    }
}

TEST(IcmpEcho, RefusesAPayloadWithoutRoomForItsTimeStamp)
{
    TEchoRequest request = Echo_Request_To("127.0.0.1");
    for (int size : {-1, 0, 3, 65536}) {
        request.PayloadSize = size;
        EXPECT_THROW(IcmpEcho(request), EIcmpError) << size;
    }
}

// The loopback address answers every request at once. Each reply must be told apart from
// the others and, on a raw socket, from the request itself, which the host also receives.
TEST(IcmpEcho, LoopbackAnswersEveryRequestWithThePayloadSent)
{
    TEchoRequest request = Echo_Request_To("127.0.0.1");
    request.TimeoutMs = 2000;
    TEchoReply first;
    try {
        first = IcmpEcho(request);
    } catch (const EIcmpError& error) {
        GTEST_SKIP() << "no ICMP echo on this system: " << error.Message();
    }
    EXPECT_EQ(first.BytesReceived, 8 + 1024);
    request.PayloadSize = 56;
    request.Data = std::string(100, 'x'); // longer than its room: cut, not overflowing
    EXPECT_EQ(IcmpEcho(request).BytesReceived, 8 + 56);
}
