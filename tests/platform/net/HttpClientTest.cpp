#include <gtest/gtest.h>

#include <chrono>

#include "platform/net/HttpClient.h"
#include "support/LocalHttpServer.h"

namespace {
THttpRequest Request_To(const std::string& url, int timeoutMs = 2000)
{
    THttpRequest request;
    request.URL = url;
    request.ConnectTimeoutMs = request.ReadTimeoutMs = timeoutMs;
    return request;
}
} // namespace

TEST(HttpClient, SendsAnHttp10GetWithTheHeaders)
{
    LocalHttpServer server(Http_Reply("200 OK", "VER. 1.013"));
    THttpRequest request = Request_To(server.Host() + "/home/page.asp?key=CF1#anchor");
    request.Headers = {{"Accept", "text/html, */*"}, {"User-Agent", "Agent/1.0"}};
    const THttpResponse response = HttpGet(request);
    EXPECT_EQ(response.StatusCode, 200);
    EXPECT_EQ(response.Body, "VER. 1.013");
    EXPECT_EQ(server.Last_Request(),
              "GET /home/page.asp?key=CF1 HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) +
                  "\r\nAccept: text/html, */*\r\nUser-Agent: Agent/1.0\r\n\r\n");
}

struct ReplyCase {
    const char* name;
    const char* reply;
    int status; // 0: no reply at all
    const char* body;
};

class HttpReply : public testing::TestWithParam<ReplyCase> {};

TEST_P(HttpReply, GivesStatusAndBody)
{
    LocalHttpServer server{std::string(GetParam().reply)};
    const THttpRequest request = Request_To(server.Host() + "/");
    if (GetParam().status == 0) {
        EXPECT_THROW(HttpGet(request), EHttpError);
        return;
    }
    const THttpResponse response = HttpGet(request);
    EXPECT_EQ(response.StatusCode, GetParam().status);
    EXPECT_EQ(response.Body, GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpReply,
    testing::Values(ReplyCase{"NotFound", "HTTP/1.1 404 Not Found\r\n\r\nmissing", 404, "missing"},
                    ReplyCase{"ContentLengthCuts", "HTTP/1.0 200 OK\r\ncontent-length: 3\r\n\r\nabcdef", 200,
                              "abc"},
                    ReplyCase{"BareLineFeeds", "HTTP/1.0 200 OK\nX: y\n\nbody\r\n", 200, "body\r\n"},
                    ReplyCase{"NoBody", "HTTP/1.0 204 No Content\r\n", 204, ""},
                    ReplyCase{"EmptyReply", "", 0, ""}, ReplyCase{"NotHttp", "VER. 1.013", 0, ""},
                    ReplyCase{"BadStatus", "HTTP/1.0 2000 OK\r\n\r\n", 0, ""}),
    [](const testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });

TEST(HttpClient, RefusedConnectionRaises)
{
    EXPECT_THROW(HttpGet(Request_To("http://127.0.0.1:" + std::to_string(Closed_Local_Port()) + "/")),
                 EHttpError);
}

TEST(HttpClient, SilentServerTimesOut)
{
    LocalHttpServer server(std::nullopt);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(HttpGet(Request_To(server.Host() + "/", 200)), EHttpError);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// A window that goes away must not wait for a slow service: the request ends as soon as
// its caller says so, while resolving, connecting or waiting for the reply. Without the
// cancel it would wait out its minute-long time-outs.
TEST(HttpClient, CancelledRequestEndsAtOnce)
{
    LocalHttpServer server(std::nullopt);
    for (const int asksBeforeCancel : {0, 3}) {
        THttpRequest request = Request_To(server.Host() + "/", 60000);
        int asks = 0;
        request.Cancelled = [&] { return asks++ >= asksBeforeCancel; };
        try {
            HttpGet(request);
            ADD_FAILURE() << "a silent server gave a reply";
        } catch (const EHttpError& e) {
            EXPECT_STREQ(e.what(), "Cancelled") << asksBeforeCancel;
        }
        EXPECT_GT(asks, asksBeforeCancel);
    }
}

TEST(HttpClient, AddressesThatCouldRewriteTheRequestAreRefused)
{
    LocalHttpServer server(Http_Reply("200 OK", "x"));
    for (const std::string& url :
         {server.Host() + "/a\r\nX: y", server.Host() + "/a b", std::string("https://x/"),
          std::string("http:///path"), server.Host() + "0/"})
        EXPECT_THROW(HttpGet(Request_To(url)), EHttpError) << url;
    THttpRequest request = Request_To(server.Host() + "/");
    request.Headers = {{"X", "a\r\nY: b"}};
    EXPECT_THROW(HttpGet(request), EHttpError);
    EXPECT_EQ(server.Last_Request(), "");
}

TEST(HttpClient, TestsCanAnswerInsteadOfTheNetwork)
{
    SetHttpGet([](const THttpRequest& request) { return THttpResponse{200, request.URL}; });
    EXPECT_EQ(HttpGet(Request_To("http://nowhere.invalid/")).Body, "http://nowhere.invalid/");
    SetHttpGet(nullptr);
    EXPECT_THROW(HttpGet(Request_To("http://127.0.0.1:" + std::to_string(Closed_Local_Port()) + "/")),
                 EHttpError);
}
