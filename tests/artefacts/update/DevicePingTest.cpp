#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "artefacts/update/UDevicePing.h"
#include "support/FakeDialogs.h"
#include "workspace/ULanguage.h"

namespace {
// A device on a fake clock: it answers the requests its script marks with 'y' (counted from
// the first, none after the script's end); an answer is at once, an unanswered request
// waits out its time-out.
class DevicePing : public testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        SetIcmpEcho([this](const TEchoRequest& request) {
            requests.push_back(request);
            // A loop that never ends fails here instead of hanging the run.
            if (requests.size() > 100) throw EIcmpError("runaway test");
            if (Fail_On_Try) Fail_On_Try(static_cast<int>(requests.size()));
            const size_t index = requests.size() - 1;
            const bool answered = index < script.size() && script[index] == 'y';
            now += answered ? 1 : request.TimeoutMs;
            return TEchoReply{answered ? 8 + request.PayloadSize : 0};
        });
    }
    void TearDown() override { SetIcmpEcho({}); }

    TDevice_Ping Make_Ping()
    {
        return TDevice_Ping({[this] { return now; },
                             [this] {
                                 now += 10;
                                 ++pauses;
                                 if (On_Pause) On_Pause();
                             }});
    }

    std::string script;
    std::function<void(int try_)> Fail_On_Try;
    std::function<void()> On_Pause;
    std::vector<TEchoRequest> requests;
    int64_t now = 1'000'000;
    int pauses = 0;
};

struct LoopCase {
    const char* name;
    const char* address;
    const char* script;
    TPing_Outcome outcome;
    size_t requests;
};

class DevicePingLoop : public DevicePing, public testing::WithParamInterface<LoopCase> {};
} // namespace

TEST_P(DevicePingLoop, EndsAsTheDeviceAnswers)
{
    script = GetParam().script;
    TDevice_Ping ping = Make_Ping();
    const int64_t start = now;
    const TPing_Result result = ping.Send_Ping(GetParam().address);
    EXPECT_EQ(result.Outcome, GetParam().outcome);
    EXPECT_EQ(result.Error, "");
    EXPECT_EQ(requests.size(), GetParam().requests);
    EXPECT_EQ(pauses, static_cast<int>(requests.size()));
    EXPECT_LE(now - start, TDevice_Ping::Test_Ms + TDevice_Ping::Try_Ms + 10);
    for (const TEchoRequest& request : requests) {
        EXPECT_EQ(request.Host, GetParam().address);
        EXPECT_EQ(request.Data, GetParam().address);
        EXPECT_EQ(request.TimeoutMs, 400);
        EXPECT_EQ(request.PayloadSize, 1024);
    }
    EXPECT_FALSE(ping.Running());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DevicePingLoop,
    testing::Values(LoopCase{"AnswersEveryRequest", "192.168.2.205", "yyyyyy", TPing_Outcome::Answered, 2},
                    LoopCase{"AnswersEveryOtherRequest", "192.168.2.205", "nynyny", TPing_Outcome::Answered,
                             4},
                    // An unanswered request takes its 400 ms and a 10 ms pause: about 5 s hold 13.
                    LoopCase{"SwitchedOff", "192.168.2.205", "", TPing_Outcome::Not_Found, 13},
                    // One reply is not enough to stop early, and the last request decides.
                    LoopCase{"AnsweredOnceThenSilent", "10.0.0.1", "y", TPing_Outcome::Not_Found, 14},
                    LoopCase{"TwoRepliesFarApart", "10.0.0.1", "ynnnnnnnnnnnny", TPing_Outcome::Answered, 14},
                    LoopCase{"OctetAbove255", "192.168.1.300", "yy", TPing_Outcome::Failed, 0},
                    LoopCase{"MissingOctet", "192.168..5", "yy", TPing_Outcome::Failed, 0},
                    LoopCase{"NameInsteadOfAddress", "localhost", "yy", TPing_Outcome::Failed, 0}),
    [](const testing::TestParamInfo<LoopCase>& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    const char* script;
    int failingTry;
    bool addressError;
    TPing_Outcome outcome;
    const char* error;
};

class DevicePingError : public DevicePing, public testing::WithParamInterface<ErrorCase> {};

// An error ends the test at once; what the user is told depends on the request before it.
TEST_P(DevicePingError, EndsTheTest)
{
    script = GetParam().script;
    Fail_On_Try = [](int try_) {
        if (try_ != GetParam().failingTry) return;
        if (GetParam().addressError) throw EIcmpAddressError("not an address");
        throw EIcmpError("no socket");
    };
    TDevice_Ping ping = Make_Ping();
    const TPing_Result result = ping.Send_Ping("192.168.2.205");
    EXPECT_EQ(result.Outcome, GetParam().outcome);
    EXPECT_EQ(result.Error, GetParam().error);
    EXPECT_EQ(requests.size(), static_cast<size_t>(GetParam().failingTry));
    EXPECT_FALSE(ping.Running());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DevicePingError,
    testing::Values(ErrorCase{"NoSocketAtTheFirstRequest", "yy", 1, false, TPing_Outcome::Failed,
                              "no socket"},
                    ErrorCase{"AddressRefusedByTheClient", "yy", 1, true, TPing_Outcome::Failed, ""},
                    ErrorCase{"AfterAnUnansweredRequest", "n", 2, false, TPing_Outcome::Not_Found, ""},
                    ErrorCase{"AfterAnAnsweredRequest", "y", 2, false, TPing_Outcome::Failed, "no socket"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

// Cancel, pressed while the GUI processes its messages between two requests, ends the test
// there: no further request, and nothing for the window to report.
TEST_F(DevicePing, CancelEndsTheTestAfterTheRequestUnderWay)
{
    TDevice_Ping ping = Make_Ping();
    ping.Cancel(); // before the test: no effect on it
    On_Pause = [&] {
        if (pauses == 2) ping.Cancel();
    };
    TFakeDialogs dialogs;
    const TPing_Result result = ping.Send_Ping("192.168.2.205");
    Report_Ping_Failure(result);
    EXPECT_EQ(result.Outcome, TPing_Outcome::Cancelled);
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_TRUE(dialogs.Messages().empty());

    On_Pause = nullptr;
    requests.clear();
    script = "yy";
    EXPECT_EQ(ping.Send_Ping("192.168.2.205").Outcome, TPing_Outcome::Answered);
}

// A second Update click processed during the test must not start a test of its own inside
// the first one; and a handler that throws during the test must not leave it marked running.
TEST_F(DevicePing, RunsOneTestAtATime)
{
    TDevice_Ping ping = Make_Ping();
    script = "yy";
    std::vector<TPing_Result> nested;
    On_Pause = [&] {
        EXPECT_TRUE(ping.Running());
        nested.push_back(ping.Send_Ping("10.0.0.1"));
    };
    EXPECT_EQ(ping.Send_Ping("192.168.2.205").Outcome, TPing_Outcome::Answered);
    ASSERT_EQ(nested.size(), 2u);
    for (const TPing_Result& result : nested)
        EXPECT_EQ(result.Outcome, TPing_Outcome::Busy);
    EXPECT_EQ(requests.size(), 2u);

    On_Pause = [] { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(ping.Send_Ping("192.168.2.205"), std::runtime_error);
    EXPECT_FALSE(ping.Running());
    On_Pause = nullptr;
    requests.clear();
    EXPECT_EQ(ping.Send_Ping("192.168.2.205").Outcome, TPing_Outcome::Answered);
}

struct ReportCase {
    const char* name;
    TPing_Result result;
    int messages;
    TMsgDlgType type;
    const char* text;
};

class PingReport : public testing::TestWithParam<ReportCase> {
protected:
    void SetUp() override { Load_Default_Texts(); }
};

TEST_P(PingReport, ShowsTheBoxTheOutcomeCallsFor)
{
    TFakeDialogs dialogs;
    Report_Ping_Failure(GetParam().result);
    ASSERT_EQ(dialogs.Messages().size(), static_cast<size_t>(GetParam().messages));
    if (GetParam().messages == 0) return;
    EXPECT_EQ(dialogs.Messages()[0].Type, GetParam().type);
    EXPECT_EQ(dialogs.Messages()[0].Text, GetParam().text);
    EXPECT_EQ(dialogs.Messages()[0].Buttons, TMsgDlgButtons{mbOK});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PingReport,
    testing::Values(
        ReportCase{"Answered", {TPing_Outcome::Answered, ""}, 0, mtCustom, ""},
        ReportCase{"Cancelled", {TPing_Outcome::Cancelled, ""}, 0, mtCustom, ""},
        ReportCase{"Busy", {TPing_Outcome::Busy, ""}, 0, mtCustom, ""},
        ReportCase{"NotFound", {TPing_Outcome::Not_Found, ""}, 1, mtWarning, "Device Not Found!"},
        ReportCase{"BadAddress", {TPing_Outcome::Failed, ""}, 1, mtError, "Error!!! Check the Ip Address"},
        // The user learns why the test could not run, not only to check the address.
        ReportCase{"ClientFailed",
                   {TPing_Outcome::Failed, "No ICMP here."},
                   1,
                   mtError,
                   "Error!!! Check the Ip Address\n\nNo ICMP here."}),
    [](const testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

// The whole test against the loopback address, on the real clock, socket and event loop.
TEST(DevicePingLoopback, AnswersAtOnce)
{
    try {
        IcmpEcho(TEchoRequest{"127.0.0.1", "127.0.0.1"});
    } catch (const EIcmpError& error) {
        GTEST_SKIP() << "no ICMP echo on this system: " << error.Message();
    }
    TDevice_Ping ping;
    EXPECT_EQ(ping.Send_Ping("127.0.0.1").Outcome, TPing_Outcome::Answered);
    EXPECT_EQ(ping.ping_res(), 1);
}
