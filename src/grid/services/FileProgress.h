#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

// Progress of a file operation in percent, reported only when the value changes. Halves
// round to even.
class TFileProgress {
public:
    using TReport = std::function<void(int16_t Percent)>;
    explicit TFileProgress(TReport Report) : FReport(std::move(Report)) {}

    bool Active() const { return static_cast<bool>(FReport); }
    // Done out of Total; a Total below 1 counts as 1.
    void Report(double Done, double Total)
    {
        if (!FReport) return;
        const auto percent = static_cast<int16_t>(std::nearbyint(100.0 * Done / std::max(1.0, Total)));
        if (percent == FLast) return;
        FLast = percent;
        FReport(percent);
    }

private:
    TReport FReport;
    int FLast = -1;
};
