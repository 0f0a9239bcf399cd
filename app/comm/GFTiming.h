#pragma once
// Waits of the serial layer and the link are given in the instrument's
// seconds. Tests shrink them all by one factor so that the simulated J57 can
// be driven through every time-out quickly; the program keeps the factor 1.
#include <cstdint>

namespace comm {

double TimeScale();
void SetTimeScale(double factor);
// seconds × 1000 × the factor, at least 1 ms for any positive time.
int64_t ScaledMs(double seconds);

// Sets the factor for the life of a scope (tests).
class ScopedTimeScale {
public:
    explicit ScopedTimeScale(double factor) : previous_(TimeScale()) { SetTimeScale(factor); }
    ~ScopedTimeScale() { SetTimeScale(previous_); }
    ScopedTimeScale(const ScopedTimeScale&) = delete;
    ScopedTimeScale& operator=(const ScopedTimeScale&) = delete;

private:
    double previous_;
};

}  // namespace comm
