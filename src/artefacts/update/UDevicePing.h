#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/net/IcmpEcho.h"

// The reachability test that the device update window runs before an update over Ethernet:
// echo requests to the device, one after the other, until it has answered twice or five
// seconds have passed. The GUI keeps processing its messages between two requests, so the
// windows repaint and Cancel can end the test.

enum class TPing_Outcome {
    Answered,  // the last request was answered: the update goes on
    Not_Found, // the last request went unanswered: warning 1036
    Failed,    // a bad address, or the echo client failed before an unanswered request: error 1037
    Cancelled, // Cancel during the test: nothing else happens
    Busy,      // a test was already running (a click that came in during it): nothing happens
};

struct TPing_Result {
    TPing_Outcome Outcome = TPing_Outcome::Failed;
    // Why the echo client failed, when it was not the address; empty otherwise.
    std::string Error;
};

class TDevice_Ping {
public:
    static constexpr int Try_Ms = 400;
    static constexpr int Test_Ms = 5000;
    static constexpr int Replies_Wanted = 2;

    // What the test needs of its surroundings; tests replace both to run on a fake clock.
    struct THooks {
        std::function<int64_t()> Now_Ms; // a monotonic count of milliseconds
        std::function<void()> Pause;     // waits 10 ms and lets the GUI process its messages
    };

    // The steady clock, and a real 10 ms sleep followed by the GUI's pending messages.
    static THooks System_Hooks();

    TDevice_Ping();
    explicit TDevice_Ping(THooks hooks);

    // Tests the device at `address` (the address edits joined by ".", read once by the
    // caller). A second call while a test runs returns Busy at once.
    TPing_Result Send_Ping(const std::string& address);
    // Ends the running test after the request under way; no effect when none runs.
    void Cancel() { cancelled_ = true; }
    bool Running() const { return running_; }
    // The last request's result: 0 none yet, 1 a reply that carried data, 2 none.
    int ping_res() const { return ping_res_; }

private:
    void PingReply(const TEchoReply& reply) { ping_res_ = reply.BytesReceived > 0 ? 1 : 2; }
    TPing_Result Run(const std::string& address);
    TPing_Result Failure(const std::string& error) const;

    THooks hooks_;
    int ping_res_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
};

// Shows the box that a failed test calls for: a warning with text 1036 when the device did
// not answer, an error with text 1037 (and the client's reason, when it has one) when the
// test could not be run. Shows nothing for the other outcomes.
void Report_Ping_Failure(const TPing_Result& result);
