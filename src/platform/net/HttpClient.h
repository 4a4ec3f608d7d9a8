#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/Exceptions.h"

// A blocking HTTP/1.0 GET, enough for the short replies of the maker's web services. The
// calling thread waits for the whole reply, bounded by the two time-outs (the connection's
// covers the name resolution too); call it from a worker thread where a window must not wait.

// No reply at all: a bad address, a refused or timed-out connection, a reply that does not
// come in time or is not HTTP.
class EHttpError : public Exception {
    using Exception::Exception;
};

struct THttpRequest {
    std::string URL; // "http://host[:port]/path?query", sent as it stands
    std::vector<std::pair<std::string, std::string>> Headers; // sent after "Host"
    int ConnectTimeoutMs = 5000;
    int ReadTimeoutMs = 5000; // for sending the request and receiving the whole reply
    // Asked now and then while the request waits, on the requesting thread: true ends the
    // request at once with EHttpError.
    std::function<bool()> Cancelled;
};

struct THttpResponse {
    int StatusCode = 0;
    std::string Body;
};

// Any status the server answers with comes back; raises EHttpError when there is none.
THttpResponse HttpGet(const THttpRequest& request);

// Tests answer the requests themselves; an empty function gives the network back.
using THttpGetFunction = std::function<THttpResponse(const THttpRequest&)>;
void SetHttpGet(THttpGetFunction get);
