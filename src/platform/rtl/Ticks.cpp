#include "platform/rtl/Ticks.h"

#include <chrono>

namespace {
std::function<uint64_t()>& Source()
{
    static std::function<uint64_t()> source;
    return source;
}
} // namespace

uint64_t TickCount()
{
    if (Source()) return Source()();
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SetTickSource(std::function<uint64_t()> source) { Source() = std::move(source); }
