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

// 0: the waits for an answer follow the time scale.
std::atomic<double>& AnswerFactor()
{
    static std::atomic<double> factor{0.0};
    return factor;
}

int64_t Milliseconds(double seconds, double factor)
{
    if (seconds <= 0)
        return 0;
    auto ms = static_cast<int64_t>(std::llround(seconds * 1000.0 * factor));
    return ms < 1 ? 1 : ms;
}
}  // namespace

double TimeScale() { return Factor().load(); }

void SetTimeScale(double factor) { Factor().store(factor > 0 ? factor : 1.0); }

double AnswerTimeScale()
{
    const double answer = AnswerFactor().load();
    return answer > 0 ? answer : TimeScale();
}

void SetAnswerTimeScale(double factor) { AnswerFactor().store(factor > 0 ? factor : 0.0); }

double ScopedTimeScale::Answer() { return AnswerFactor().load(); }

int64_t ScaledMs(double seconds) { return Milliseconds(seconds, TimeScale()); }

int64_t AnswerMs(double seconds) { return Milliseconds(seconds, AnswerTimeScale()); }

}  // namespace comm
