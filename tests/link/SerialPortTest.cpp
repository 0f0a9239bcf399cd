#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "Clock.h"
#include "SimFixture.h"

namespace {

std::string AllBytes()
{
    std::string s;
    for (int i = 0; i < 256; ++i)
        s += static_cast<char>(i);
    return s;
}

// Waits (bounded) until the simulator has received count bytes.
std::string ReceivedAtLeast(const sim::J57Sim& sim, size_t count)
{
    for (int i = 0; i < 200 && sim.Received().size() < count; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return sim.Received();
}

using SerialPortTest = SimFixture;

TEST_F(SerialPortTest, EveryByteValuePassesBothWaysUnchanged)
{
    const std::string bytes = AllBytes();
    ASSERT_EQ(port_.WriteBlock(bytes.data(), 256), 0);
    EXPECT_EQ(ReceivedAtLeast(sim_, 256), bytes);

    sim_.Write(bytes);
    char in[256];
    ASSERT_EQ(port_.ReadBlock(in, 256), 0);
    EXPECT_EQ(std::string(in, 256), bytes);
}

TEST_F(SerialPortTest, EveryRateOfTheBaudTableReachesTheLine)
{
    for (int rate : {300, 1200, 2400, 9600, 19200, 28800, 57600, 115200}) {
        ASSERT_EQ(port_.SetBaud(rate), 0) << rate;
        EXPECT_EQ(sim_.LineSpeed(), rate);
    }
}

TEST_F(SerialPortTest, RefusedRateWhileOpenIsKeptForTheNextOpening)
{
    EXPECT_EQ(port_.SetBaud(12345), SerialPort::BAUD_REFUSED);
    EXPECT_EQ(port_.GetBaud(), 12345);
    EXPECT_EQ(port_.Open(), SerialPort::OPEN_FAILED);
    EXPECT_FALSE(port_.IsOpen());
}

TEST_F(SerialPortTest, OpenFailuresGiveThePortCodes)
{
    profile_.WriteProfileString("Ports", "COM2", "/dev/no-such-serial-device");
    profile_.WriteProfileString("Ports", "COM3", "/dev/null");  // exists, but no serial line
    SerialPort missing(2), notSerial(3), zero(0);
    EXPECT_EQ(missing.Open(), SerialPort::INVALID_PORT);
    EXPECT_EQ(notSerial.Open(), SerialPort::OPEN_FAILED);
    EXPECT_EQ(zero.GetLastResult(), SerialPort::INVALID_PORT);
    EXPECT_EQ(zero.GetPortIndex(), 0);
}

TEST_F(SerialPortTest, ReadLineKeepsWhatFollowsTheLineEnd)
{
    sim_.Write("first\nsecond\nthird");
    char buffer[6];
    int count = 0;
    ASSERT_EQ(port_.ReadLine(buffer, &count, 0, 5), 0);
    EXPECT_EQ(count, 5);
    EXPECT_STREQ(buffer, "first");  // exactly max: still terminated
    char line[64];
    ASSERT_EQ(port_.ReadLine(line, &count, 0, 63), 0);
    EXPECT_STREQ(line, "\n");
    ASSERT_EQ(port_.ReadLine(line, &count, 0, 63), 0);
    EXPECT_STREQ(line, "second\n");
    // "third" has no line end: what came is returned when the time runs out.
    ASSERT_EQ(port_.ReadLine(line, &count, 0, 63), 0);
    EXPECT_STREQ(line, "third");
    EXPECT_EQ(port_.ReadLine(line, &count, 0, 63), SerialPort::NO_REPLY);
    EXPECT_STREQ(line, "");
    EXPECT_EQ(count, 0);
}

TEST_F(SerialPortTest, BlockReadTimeOutRestartsWithEveryByte)
{
    // Time-out 2 s scaled to 400 ms; ten bytes 100 ms apart take a second.
    std::thread trickle([this] {
        for (int i = 0; i < 10; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            sim_.Write(std::string(1, static_cast<char>('0' + i)));
        }
    });
    char block[10];
    int result = port_.ReadBlock(block, 10);
    trickle.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(std::string(block, 10), "0123456789");

    sim_.Write("abc");
    EXPECT_EQ(port_.ReadBlock(block, 4), SerialPort::BLOCK_TIMEOUT);
}

TEST_F(SerialPortTest, ReadCharAndTimeouts)
{
    EXPECT_EQ(port_.SetTimeout(0), 2);
    EXPECT_EQ(port_.SetTimeout(1), 2);
    int wait = 0;
    EXPECT_EQ(port_.ReadChar(&wait), 0);
    EXPECT_EQ(wait, 1);
    EXPECT_EQ(port_.GetLastResult(), SerialPort::CHAR_TIMEOUT);
    sim_.Write("\xff");
    wait = 0;
    EXPECT_EQ(port_.ReadChar(&wait), 0xFF);
    EXPECT_EQ(wait, 0);

    SerialPort closed(1);
    wait = 0;
    EXPECT_EQ(closed.ReadChar(&wait), 0);
    EXPECT_EQ(wait, SerialPort::NOT_OPEN);
}

TEST_F(SerialPortTest, SendRawDiscardsPendingInputAndEndsWithCr)
{
    sim_.Write("stale");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(port_.SendRaw("@@", true), 0);
    EXPECT_EQ(port_.GetInputFound(), 5);
    EXPECT_EQ(ReceivedAtLeast(sim_, 3), "@@\r");
}

}  // namespace
