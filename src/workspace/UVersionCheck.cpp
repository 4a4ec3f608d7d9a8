#include "workspace/UVersionCheck.h"

#include <exception>
#include <optional>

#include "platform/net/HttpClient.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Threads.h"
#include "workspace/UComon.h"

const std::string SW_Update_Version_Const = "1.012";
const std::string Version_Service_Path = "/home/download/GetversionSW.asp";

namespace {
// The request headers of the main window's HTTP client.
const char* const Accept_Header = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
const char* const User_Agent_Header = "Mozilla/3.0 (compatible; Indy Library)";
const std::string No_Information = "VER. 0.000";

// The body of a successful reply; none on any failure.
std::optional<std::string> Ask_Newest_Version(const TVersion_Service& service,
                                              const std::function<bool()>& cancelled)
{
    THttpRequest request;
    request.URL = service.Host + Version_Service_Path + "?nomesw=" + SW_Update_Code_Const;
    request.Headers = {{"Accept", Accept_Header}, {"User-Agent", User_Agent_Header}};
    request.ConnectTimeoutMs = service.ConnectTimeoutMs;
    request.ReadTimeoutMs = service.ReadTimeoutMs;
    request.Cancelled = cancelled;
    try {
        const THttpResponse response = HttpGet(request);
        if (response.StatusCode >= 200 && response.StatusCode < 300) return response.Body;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

bool Is_Decimal_Digits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}
} // namespace

int Conv_Version(const std::string& Ver_str)
{
    const int blank = Pos(" ", Ver_str);
    const std::string version = Trim(blank > 0 ? Copy(Ver_str, blank + 1, Length(Ver_str)) : Ver_str);
    if (Length(version) < 5) return -1;
    const std::string digits = Copy(version, 1, 1) + Copy(version, 3, 3);
    return Is_Decimal_Digits(digits) && digits.size() == 4 ? StrToInt(digits) : -1;
}

TVersion_Answer Ask_Version(const TVersion_Service& service, const std::function<bool()>& cancelled)
{
    const std::optional<std::string> body = Ask_Newest_Version(service, cancelled);
    if (!body) return TVersion_Answer::No_Answer;
    const std::string reply = Trim(*body);
    if (reply.empty() || UpperCase(reply) == No_Information) return TVersion_Answer::Not_Newer;
    const int own = Conv_Version(SW_Update_Version_Const);
    const int newest = Conv_Version(reply);
    return own != -1 && newest != -1 && newest > own ? TVersion_Answer::Newer : TVersion_Answer::Not_Newer;
}

bool Check_Version(const TVersion_Service& service, const std::function<bool()>& cancelled)
{
    return Ask_Version(service, cancelled) == TVersion_Answer::Newer;
}

class TVersion_Check::TWorker : public TThread {
public:
    TWorker(TVersion_Check& owner, TVersion_Service service) : owner_(owner), service_(std::move(service)) {}
    ~TWorker() override
    {
        Terminate();
        WaitFor();
    }

protected:
    void Execute() override
    {
        const TVersion_Answer answer = Ask_Version(service_, [this] { return Terminated(); });
        Synchronize([this, answer] {
            // A freeing owner may still see the answer run while it waits for the worker.
            if (owner_.closing_) return;
            owner_.answered_ = true;
            owner_.done_(answer);
        });
    }

private:
    TVersion_Check& owner_;
    const TVersion_Service service_;
};

TVersion_Check::TVersion_Check(std::function<void(TVersion_Answer)> done, TVersion_Service service)
    : done_(std::move(done)), worker_(std::make_unique<TWorker>(*this, std::move(service)))
{
    worker_->Start();
}

TVersion_Check::~TVersion_Check()
{
    closing_ = true;
    worker_.reset();
}
