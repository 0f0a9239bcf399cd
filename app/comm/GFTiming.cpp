#include "GFTiming.h"

#include <atomic>
#include <cmath>

namespace comm {

namespace {
std::atomic<double>& Factor()
{
    static std::atomic<double> factor{1.0};
    return factor;
}
}  // namespace

double TimeScale() { return Factor().load(); }

void SetTimeScale(double factor) { Factor().store(factor > 0 ? factor : 1.0); }

int64_t ScaledMs(double seconds)
{
    if (seconds <= 0)
        return 0;
    auto ms = static_cast<int64_t>(std::llround(seconds * 1000.0 * TimeScale()));
    return ms < 1 ? 1 : ms;
}

}  // namespace comm
