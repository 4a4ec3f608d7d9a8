#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include "platform/ui/Forms.h"
#include "support/EventLoop.h"
#include "support/LocalHttpServer.h"
#include "workspace/UVersionCheck.h"

namespace {
TVersion_Service Local_Service(const std::string& host, int timeoutMs = 2000)
{
    return TVersion_Service{host, timeoutMs, timeoutMs};
}
} // namespace

struct ConvCase {
    const char* text;
    int value;
};

class ConvVersion : public testing::TestWithParam<ConvCase> {};

TEST_P(ConvVersion, ReadsTheDigitsAroundThePoint)
{
    EXPECT_EQ(Conv_Version(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvVersion,
                         testing::Values(ConvCase{"VER. 1.013", 1013}, ConvCase{"1.012", 1012},
                                         ConvCase{"ver.   2.345  ", 2345}, ConvCase{"VER. 1.0123", 1012},
                                         ConvCase{"VER. 1.0", -1}, ConvCase{"VER.1.013", -1},
                                         ConvCase{"VER. a.bcd", -1}, ConvCase{"VER. -.012", -1},
                                         ConvCase{"", -1}, ConvCase{"É 1.013", 1013},
                                         ConvCase{"VER. é.012", -1}));

struct ReplyCase {
    const char* name;
    const char* status;
    const char* body;
    bool newer;
};

class VersionReply : public testing::TestWithParam<ReplyCase> {};

TEST_P(VersionReply, OnlyANewerVersionCounts)
{
    LocalHttpServer server(Http_Reply(GetParam().status, GetParam().body));
    EXPECT_EQ(Check_Version(Local_Service(server.Host())), GetParam().newer);
}

INSTANTIATE_TEST_SUITE_P(Cases, VersionReply,
                         testing::Values(ReplyCase{"Newer", "200 OK", "VER. 1.013", true},
                                         ReplyCase{"NewerWithBlanks", "200 OK", "  VER. 2.000\r\n", true},
                                         ReplyCase{"Same", "200 OK", "VER. 1.012", false},
                                         ReplyCase{"SameLowerCase", "200 OK", "ver. 1.012", false},
                                         ReplyCase{"Older", "200 OK", "VER. 1.011", false},
                                         ReplyCase{"NoInformation", "200 OK", "VER. 0.000", false},
                                         ReplyCase{"NoInformationLowerCase", "200 OK", " ver. 0.000 ", false},
                                         ReplyCase{"Empty", "200 OK", "", false},
                                         ReplyCase{"Short", "200 OK", "VER. 1.0", false},
                                         ReplyCase{"NotFound", "404 Not Found", "VER. 9.999", false}),
                         [](const testing::TestParamInfo<ReplyCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(VersionCheck, AsksForTheUpdateCodeLikeTheMainWindowsClient)
{
    LocalHttpServer server(Http_Reply("200 OK", "VER. 1.013"));
    ASSERT_TRUE(Check_Version(Local_Service(server.Host())));
    EXPECT_EQ(server.Last_Request(),
              "GET /home/download/GetversionSW.asp?nomesw=CF30628 HTTP/1.0\r\nHost: 127.0.0.1:" +
                  std::to_string(server.Port()) +
                  "\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"
                  "\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n\r\n");
}

TEST(VersionCheck, NoServiceMeansNoNewerVersion)
{
    EXPECT_FALSE(Check_Version(Local_Service("http://127.0.0.1:" + std::to_string(Closed_Local_Port()))));
    EXPECT_FALSE(Check_Version(Local_Service("not an address")));
}

// A service that could not be asked is told apart from one that knows of no newer version.
TEST(VersionCheck, TellsAServiceThatCouldNotBeAskedFromOneWithoutNews)
{
    LocalHttpServer missing(Http_Reply("404 Not Found", "VER. 9.999"));
    LocalHttpServer none(Http_Reply("200 OK", "VER. 0.000"));
    LocalHttpServer same(Http_Reply("200 OK", "VER. 1.012"));
    const std::pair<std::string, TVersion_Answer> cases[] = {
        {"http://127.0.0.1:" + std::to_string(Closed_Local_Port()), TVersion_Answer::No_Answer},
        {"not an address", TVersion_Answer::No_Answer},
        {missing.Host(), TVersion_Answer::No_Answer},
        {none.Host(), TVersion_Answer::Not_Newer},
        {same.Host(), TVersion_Answer::Not_Newer},
    };
    for (const auto& [host, expected] : cases)
        EXPECT_EQ(Ask_Version(Local_Service(host)), expected) << host;
}

TEST(VersionCheck, SilentServiceEndsWithinTheTimeOuts)
{
    LocalHttpServer server(std::nullopt);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Check_Version(Local_Service(server.Host(), 200)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// The check runs beside the GUI thread and hands its answer over through the event loop,
// which the program has from its start, so a window never waits for the service.
class VersionCheckTask : public testing::Test {
protected:
    void SetUp() override { Application->Initialize(); }
};

TEST_F(VersionCheckTask, AnswersOnTheGuiThroughTheEventLoop)
{
    LocalHttpServer server(Http_Reply("200 OK", "VER. 1.013"));
    std::vector<std::pair<TVersion_Answer, std::thread::id>> answers;
    TVersion_Check check(
        [&answers](TVersion_Answer answer) { answers.emplace_back(answer, std::this_thread::get_id()); },
        Local_Service(server.Host()));
    EXPECT_TRUE(answers.empty()) << "only the event loop delivers the answer";
    EXPECT_FALSE(check.Answered());
    ASSERT_TRUE(Run_Loop_Until([&check] { return check.Answered(); }));
    EXPECT_EQ(answers, (std::vector<std::pair<TVersion_Answer, std::thread::id>>{
                           {TVersion_Answer::Newer, std::this_thread::get_id()}}));
}

TEST_F(VersionCheckTask, FreeingItDropsTheAnswer)
{
    LocalHttpServer silent(std::nullopt);
    int answers = 0;
    {
        TVersion_Check check([&answers](TVersion_Answer) { ++answers; }, Local_Service(silent.Host(), 60000));
        ASSERT_TRUE(Run_Loop_Until([&silent] { return !silent.Last_Request().empty(); }));
    }
    Application->ProcessMessages();
    EXPECT_EQ(answers, 0);
}
