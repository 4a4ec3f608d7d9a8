#pragma once
#include <functional>
#include <memory>
#include <string>

#include "workspace/UMakerWeb.h"

// The online check for a newer version of the configurator: the maker's version service
// names the newest version of a product code after "VER. ".

extern const std::string SW_Update_Version_Const; // "1.012", the version the service compares with
extern const std::string Version_Service_Path;    // "/home/download/GetversionSW.asp"

// Where the check asks and how long it waits: the service's scheme and host, and the
// time-outs for connecting and for the reply. A time-out counts as no information.
struct TVersion_Service {
    std::string Host = Maker_Web_Host;
    int ConnectTimeoutMs = 5000;
    int ReadTimeoutMs = 5000;
};

// A version text ("VER. 1.013", "1.012") as an integer (1013, 1012): the part after the
// first blank, its digit before the point and the three after it; -1 when it is not one.
int Conv_Version(const std::string& Ver_str);

// What the service said: a version newer than SW_Update_Version_Const for
// SW_Update_Code_Const; the same, an older one or nothing; or no answer at all (no
// connection, a time-out, an error status), so that the check could not be made.
enum class TVersion_Answer { Newer, Not_Newer, No_Answer };

// Asks the service. Blocks the calling thread until the service answers, a time-out passes
// or `cancelled` says true; windows use TVersion_Check instead.
TVersion_Answer Ask_Version(const TVersion_Service& service = TVersion_Service{},
                            const std::function<bool()>& cancelled = {});

// True when the service reports a newer version; false otherwise and on every error.
bool Check_Version(const TVersion_Service& service = TVersion_Service{},
                   const std::function<bool()>& cancelled = {});

// Ask_Version on a worker thread, so that no window waits for a slow or silent service:
// the answer reaches `done` on the GUI thread, through the event loop. Freeing the check
// ends a request still running, soon rather than after its time-outs, and `done` is not
// called then. `done` must not free the check that calls it.
class TVersion_Check {
public:
    explicit TVersion_Check(std::function<void(TVersion_Answer answer)> done,
                            TVersion_Service service = TVersion_Service{});
    ~TVersion_Check();
    TVersion_Check(const TVersion_Check&) = delete;
    TVersion_Check& operator=(const TVersion_Check&) = delete;

    // True once `done` has had the answer.
    bool Answered() const { return answered_; }

private:
    class TWorker;
    std::function<void(TVersion_Answer)> done_;
    bool answered_ = false;
    bool closing_ = false;
    std::unique_ptr<TWorker> worker_;
};
