#include <gtest/gtest.h>

#include "GFTiming.h"

namespace {

// The program waits the instrument's seconds; a test may shrink its pauses
// and, apart from them, the waits for an answer.
TEST(TimingTest, WaitsForAnAnswerFollowThePausesUnlessSetApart)
{
    const struct {
        double factor, answerFactor;
        int64_t pauseMs, answerMs;
    } cases[] = {
        {1.0, 0, 2000, 2000},
        {0.05, 0, 100, 100},
        {0.05, 0.5, 100, 1000},
    };
    for (const auto& c : cases) {
        comm::ScopedTimeScale scale(c.factor, c.answerFactor);
        EXPECT_EQ(comm::ScaledMs(2.0), c.pauseMs) << c.factor << " " << c.answerFactor;
        EXPECT_EQ(comm::AnswerMs(2.0), c.answerMs) << c.factor << " " << c.answerFactor;
    }
    // A scope ends with the factors it found.
    {
        comm::ScopedTimeScale outer(0.2, 0.5);
        {
            comm::ScopedTimeScale inner(0.05);
            EXPECT_EQ(comm::AnswerMs(1.0), 50);
        }
        EXPECT_EQ(comm::ScaledMs(1.0), 200);
        EXPECT_EQ(comm::AnswerMs(1.0), 500);
    }
    EXPECT_EQ(comm::AnswerMs(1.0), 1000);
    EXPECT_EQ(comm::AnswerMs(0.0001), 1);
}

}  // namespace
