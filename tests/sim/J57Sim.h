#pragma once
// A simulated J57 on the master side of a pseudo-terminal. The program opens
// the slave through the port layer, so the real port code is under test. The
// simulator gathers frames ended by CR, checks their check character,
// answers from its command table, and records a transcript. Faults can be
// injected for the next replies. Binary exchanges (block transfers, XMODEM,
// the firmware loader) run as sessions on the simulator's thread after a
// command's reply.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Profile.h"

namespace sim {

// The instrument's check character (its own copy, so that a fault in the
// program's cannot hide itself).
char Check(const std::string& text, int seed = 0);

struct Frame {
    std::string bytes;    // as received, control bytes dropped, check included
    std::string command;  // without the check character
    bool checkOk = false;
    bool ignored = false;  // sent at a rate the instrument did not listen at
    int speed = 0;         // line speed when the frame arrived
};

class J57Sim {
public:
    J57Sim();
    ~J57Sim();
    J57Sim(const J57Sim&) = delete;
    J57Sim& operator=(const J57Sim&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    // Names the slave as the device of "COMn" in the profile's "Ports".
    void Bind(platform::Profile& profile, int portNumber = 1) const;

    // The reply text for a command, or nullopt for no reply at all.
    using Handler = std::function<std::optional<std::string>(const std::string& command)>;
    // The handler of the longest matching prefix answers.
    void On(const std::string& prefix, Handler handler);
    void Reply(const std::string& command, const std::string& text)
    {
        On(command, [text](const std::string&) { return std::optional<std::string>(text); });
    }

    // Faults for the next replies.
    void CorruptNext(int count);
    void SilenceNext(int count);
    void DelayNext(int ms);
    void RefuseNext(const std::string& message);
    // The next reply goes out as these bytes exactly.
    void RawNext(const std::string& bytes);
    // Ignore frames sent at a rate other than the instrument's.
    void SetStrictRate(bool strict) { strict_ = strict; }
    int InstrumentRate() const { return rate_; }
    void SetInstrumentRate(int rate) { rate_ = rate; }

    std::vector<Frame> Transcript() const;
    std::vector<std::string> Commands() const;  // accepted frames' commands
    std::string Received() const;               // every byte received
    void ClearTranscript();
    // Line speed of the pseudo-terminal as set by the program.
    int LineSpeed() const;
    // Paces the line like a serial cable at baud (bytes per second = baud /
    // 10, one start and one stop bit): what the simulator writes reaches the
    // program no sooner than the line carries it, and what the program sends
    // reaches a session one character time after the line is free. 0 (the
    // default): as fast as the pseudo-terminal goes.
    void PaceAt(int baud);

    // Writes bytes to the program (from any thread).
    void Write(const std::string& bytes);

    // Inside a handler: bytes that go out in one write with the reply, as
    // the instrument sends them right behind it (a stream, a frame, the ready
    // reply of a block receive). Written after a separate session, they
    // could come later than the program's fixed pause after the reply
    // whenever the simulator's thread lost its turn in between.
    void FollowReply(const std::string& bytes) { follow_ += bytes; }
    // Sessions: run after the current reply, on the simulator's thread.
    void AfterReply(std::function<void()> session);
    // Inside a session: one byte (0..255), or -1 after timeoutMs.
    int ReadByte(int timeoutMs);
    // Up to count bytes, each within timeoutMs of the one before.
    std::string Read(size_t count, int timeoutMs);
    // Discards what the program sent so far.
    void DrainInput();
    bool Stopping() const { return stop_; }
    // True while a session runs.
    bool InSession() const { return inSession_; }

    std::mutex& Mutex() const { return mu_; }

private:
    using Clock = std::chrono::steady_clock;
    struct Incoming {
        uint8_t byte;
        Clock::time_point due;  // when a paced line has carried it
    };
    void Run();
    bool WriteAll(const char* data, size_t count);
    void WritePaced(const std::string& bytes);
    void Pump(int timeoutMs);
    void OnFrame(const std::string& bytes);
    void SendReply(const std::string& command, const std::string& text);

    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> inSession_{false};
    mutable std::mutex mu_;
    std::map<std::string, Handler> handlers_;
    std::vector<Frame> transcript_;
    std::string received_;
    std::deque<Incoming> input_;  // received, not yet taken by a session
    std::string frame_;
    int corrupt_ = 0;
    int silent_ = 0;
    int delayMs_ = 0;
    std::optional<std::string> refuse_;
    std::optional<std::string> raw_;
    std::atomic<bool> strict_{false};
    std::atomic<int> rate_{9600};
    std::vector<std::function<void()>> sessions_;
    std::string follow_;  // simulator's thread only
    std::atomic<int> pacedBaud_{0};
    Clock::time_point inputLineFree_{};  // under mu_
    std::mutex writeMu_;
    Clock::time_point outputLineFree_{};  // under writeMu_
};

}  // namespace sim
