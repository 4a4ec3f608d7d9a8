#include "artefacts/update/UDevicePing.h"

#include <chrono>
#include <thread>
#include <utility>

#include "platform/ui/Dialogs.h"
#include "workspace/ULanguage.h"

namespace {
// Clears a flag however the scope is left, so that an exception from a message handler
// run during the test cannot leave the test marked as running for good.
class TRunning_Flag {
public:
    explicit TRunning_Flag(bool& flag) : flag_(flag) { flag_ = true; }
    ~TRunning_Flag() { flag_ = false; }
    TRunning_Flag(const TRunning_Flag&) = delete;
    TRunning_Flag& operator=(const TRunning_Flag&) = delete;

private:
    bool& flag_;
};
} // namespace

TDevice_Ping::THooks TDevice_Ping::System_Hooks()
{
    return {[] {
                return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                std::chrono::steady_clock::now().time_since_epoch())
                                                .count());
            },
            [] {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                Application->ProcessMessages();
            }};
}

TDevice_Ping::TDevice_Ping() : TDevice_Ping(System_Hooks()) {}

TDevice_Ping::TDevice_Ping(THooks hooks) : hooks_(std::move(hooks)) {}

TPing_Result TDevice_Ping::Send_Ping(const std::string& address)
{
    if (running_) return {TPing_Outcome::Busy, {}};
    const TRunning_Flag running(running_);
    cancelled_ = false;
    ping_res_ = 0;
    return Run(address);
}

TPing_Result TDevice_Ping::Run(const std::string& address)
{
    const int64_t start = hooks_.Now_Ms();
    // Checked before anything is sent, so that a typing slip reports at once.
    if (!Is_Dotted_IPv4(address)) return Failure({});
    TEchoRequest request;
    request.Host = address;
    request.Data = address;
    request.TimeoutMs = Try_Ms;
    int replies = 0;
    do {
        try {
            PingReply(IcmpEcho(request));
        } catch (const EIcmpAddressError&) {
            return Failure({});
        } catch (const EIcmpError& error) {
            return Failure(error.Message());
        }
        if (ping_res_ == 1) ++replies;
        // The client has waited out its time-out and reported before it returned, so one
        // pause per request is all the GUI needs to stay responsive.
        hooks_.Pause();
        if (cancelled_) return {TPing_Outcome::Cancelled, {}};
    } while (replies < Replies_Wanted && hooks_.Now_Ms() - start <= Test_Ms);
    return {ping_res_ == 1 ? TPing_Outcome::Answered : TPing_Outcome::Not_Found, {}};
}

TPing_Result TDevice_Ping::Failure(const std::string& error) const
{
    // An unanswered request before the failure still means the device did not answer.
    if (ping_res_ == 2) return {TPing_Outcome::Not_Found, {}};
    return {TPing_Outcome::Failed, error};
}

void Report_Ping_Failure(const TPing_Result& result)
{
    if (result.Outcome == TPing_Outcome::Not_Found) MessageDlg(Lang_Table[1036], mtWarning, {mbOK}, 0);
    if (result.Outcome != TPing_Outcome::Failed) return;
    const std::string text =
        result.Error.empty() ? Lang_Table[1037] : Lang_Table[1037] + "\n\n" + result.Error;
    MessageDlg(text, mtError, {mbOK}, 0);
}
