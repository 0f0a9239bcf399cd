#pragma once
// Waits of the serial layer and the link are given in the instrument's
// seconds. Tests shrink them all by one factor so that the simulated J57 can
// be driven through every time-out quickly; the program keeps the factor 1.
// The waits for the instrument's answer (time-outs, which end as soon as it
// answers) may be shrunk less than the pauses: a test then runs its pauses
// fast and still gives a simulated instrument on a busy machine the time to
// answer.
#include <cstdint>

namespace comm {

double TimeScale();
void SetTimeScale(double factor);
// The factor of the waits for an answer: the time scale's unless set apart
// (a factor of 0 follows the time scale).
double AnswerTimeScale();
void SetAnswerTimeScale(double factor);
// seconds × 1000 × the factor, at least 1 ms for any positive time.
int64_t ScaledMs(double seconds);
// The same with the factor of the waits for an answer.
int64_t AnswerMs(double seconds);

// Sets the factors for the life of a scope (tests): factor for every wait,
// answerFactor (when above 0) for the waits for an answer.
class ScopedTimeScale {
public:
    explicit ScopedTimeScale(double factor, double answerFactor = 0)
        : previous_(TimeScale()), previousAnswer_(Answer())
    {
        SetTimeScale(factor);
        SetAnswerTimeScale(answerFactor);
    }
    ~ScopedTimeScale()
    {
        SetTimeScale(previous_);
        SetAnswerTimeScale(previousAnswer_);
    }
    ScopedTimeScale(const ScopedTimeScale&) = delete;
    ScopedTimeScale& operator=(const ScopedTimeScale&) = delete;

private:
    // The answer factor as set (0 when it follows the time scale).
    static double Answer();
    double previous_;
    double previousAnswer_;
};

}  // namespace comm
