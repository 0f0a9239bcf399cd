#pragma once
// A simulated J57 behind COM1, the program's profile in memory and the
// link's waits shrunk five times, with the port opened.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "GFTiming.h"
#include "J57Sim.h"
#include "Profile.h"
#include "SerialPort.h"

class SimFixture : public ::testing::Test {
protected:
    SimFixture() : scale_(0.2)
    {
        platform::SetAppProfile(&profile_);
        sim_.Bind(profile_, 1);
    }
    ~SimFixture() override { platform::SetAppProfile(nullptr); }
    void SetUp() override { ASSERT_EQ(port_.Open(), 0); }

    platform::MemoryProfile profile_;
    comm::ScopedTimeScale scale_;
    sim::J57Sim sim_;
    SerialPort port_{1};
};

// The simulator works on its own thread: give it a moment to catch up.
inline bool Eventually(const std::function<bool()>& condition)
{
    for (int i = 0; i < 200 && !condition(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return condition();
}
