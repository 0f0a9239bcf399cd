#include "J57Sim.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <thread>
#include <unistd.h>

#include "GFTermios.h"

namespace sim {

char Check(const std::string& text, int seed)
{
    int sum = seed;
    for (unsigned char c : text)
        if (c >= 0x20 && c <= 0x7F)
            sum += c;
    sum %= 128;
    return static_cast<char>(sum < 0x20 ? sum + 0x40 : sum);
}

J57Sim::J57Sim()
{
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    slavePath_ = name;
    comm::termios2::MakeRaw(slave_);
    comm::termios2::SetSpeed(slave_, 9600);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    // "@" is the sync and the flag command: an empty, checked reply.
    Reply("@", "");
    thread_ = std::thread([this] { Run(); });
}

J57Sim::~J57Sim()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    ::close(master_);
    ::close(slave_);
}

void J57Sim::Bind(platform::Profile& profile, int portNumber) const
{
    profile.WriteProfileString("Ports", "COM" + std::to_string(portNumber), slavePath_);
}

void J57Sim::On(const std::string& prefix, Handler handler)
{
    std::lock_guard lock(mu_);
    handlers_[prefix] = std::move(handler);
}

void J57Sim::CorruptNext(int count) { std::lock_guard lock(mu_); corrupt_ = count; }
void J57Sim::SilenceNext(int count) { std::lock_guard lock(mu_); silent_ = count; }
void J57Sim::DelayNext(int ms) { std::lock_guard lock(mu_); delayMs_ = ms; }
void J57Sim::RefuseNext(const std::string& message) { std::lock_guard lock(mu_); refuse_ = message; }
void J57Sim::RawNext(const std::string& bytes) { std::lock_guard lock(mu_); raw_ = bytes; }

std::vector<Frame> J57Sim::Transcript() const
{
    std::lock_guard lock(mu_);
    return transcript_;
}

std::vector<std::string> J57Sim::Commands() const
{
    std::lock_guard lock(mu_);
    std::vector<std::string> out;
    for (const auto& f : transcript_)
        if (f.checkOk && !f.ignored)
            out.push_back(f.command);
    return out;
}

std::string J57Sim::Received() const
{
    std::lock_guard lock(mu_);
    return received_;
}

void J57Sim::ClearTranscript()
{
    std::lock_guard lock(mu_);
    transcript_.clear();
    received_.clear();
}

int J57Sim::LineSpeed() const { return comm::termios2::GetSpeed(master_); }

namespace {
// Waits until t to within a few microseconds: a sleep wakes late by tens of
// microseconds or more on a busy machine, which on a paced line would count
// against the program, so the last stretch is spun.
void WaitUntil(std::chrono::steady_clock::time_point t)
{
    const auto spin = std::chrono::microseconds(300);
    if (std::chrono::steady_clock::now() + spin < t)
        std::this_thread::sleep_until(t - spin);
    while (std::chrono::steady_clock::now() < t)
        std::this_thread::yield();
}
}  // namespace

void J57Sim::PaceAt(int baud)
{
    pacedBaud_ = baud > 0 ? baud : 0;
}

bool J57Sim::WriteAll(const char* data, size_t count)
{
    size_t done = 0;
    while (done < count && !stop_) {
        ssize_t n = ::write(master_, data + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else {
            pollfd p{master_, POLLOUT, 0};
            ::poll(&p, 1, 10);
        }
    }
    return done == count;
}

void J57Sim::WritePaced(const std::string& bytes)
{
    // Each byte goes to the pseudo-terminal when the line has carried its
    // last bit, in slices of about a millisecond of line time.
    std::lock_guard lock(writeMu_);
    const double bytesPerSecond = pacedBaud_ / 10.0;
    const auto perByte = std::chrono::duration<double>(1.0 / bytesPerSecond);
    const size_t slice = std::max<size_t>(1, static_cast<size_t>(bytesPerSecond / 1000));
    const Clock::time_point start = std::max(Clock::now(), outputLineFree_);
    for (size_t done = 0; done < bytes.size() && !stop_;) {
        const size_t n = std::min(slice, bytes.size() - done);
        const auto due = start + std::chrono::duration_cast<Clock::duration>(perByte * static_cast<double>(done + n));
        WaitUntil(due);
        if (!WriteAll(bytes.data() + done, n))
            return;
        done += n;
        outputLineFree_ = due;
    }
}

void J57Sim::Write(const std::string& bytes)
{
    if (pacedBaud_ > 0)
        WritePaced(bytes);
    else
        WriteAll(bytes.data(), bytes.size());
}

void J57Sim::AfterReply(std::function<void()> session) { sessions_.push_back(std::move(session)); }

void J57Sim::Pump(int timeoutMs)
{
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN))
        return;
    char buffer[4096];
    ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0)
        return;
    std::lock_guard lock(mu_);
    received_.append(buffer, static_cast<size_t>(n));
    // On a paced line each byte comes one character time after the one
    // before it, or after it was sent when the line was idle.
    const int baud = pacedBaud_;
    const Clock::time_point now = Clock::now();
    const auto perByte = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(baud > 0 ? 10.0 / baud : 0.0));
    for (ssize_t i = 0; i < n; ++i) {
        Clock::time_point due = now;
        if (baud > 0) {
            due = std::max(now, inputLineFree_) + perByte;
            inputLineFree_ = due;
        }
        input_.push_back({static_cast<uint8_t>(buffer[i]), due});
    }
}

int J57Sim::ReadByte(int timeoutMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        Incoming next{};
        bool have = false;
        {
            std::lock_guard lock(mu_);
            if (!input_.empty()) {
                next = input_.front();
                input_.pop_front();
                have = true;
            }
        }
        if (have) {
            if (pacedBaud_ > 0)
                WaitUntil(next.due);
            return next.byte;
        }
        if (stop_ || std::chrono::steady_clock::now() >= end)
            return -1;
        Pump(5);
    }
}

std::string J57Sim::Read(size_t count, int timeoutMs)
{
    std::string out;
    while (out.size() < count) {
        int c = ReadByte(timeoutMs);
        if (c < 0)
            break;
        out += static_cast<char>(c);
    }
    return out;
}

void J57Sim::DrainInput()
{
    Pump(0);
    std::lock_guard lock(mu_);
    input_.clear();
}

void J57Sim::Run()
{
    while (!stop_) {
        Pump(5);
        for (;;) {
            int c;
            {
                std::lock_guard lock(mu_);
                if (input_.empty())
                    break;
                c = input_.front().byte;
                input_.pop_front();
            }
            if (c == '\r') {
                std::string bytes;
                bytes.swap(frame_);
                if (!bytes.empty())
                    OnFrame(bytes);
                auto sessions = std::move(sessions_);
                sessions_.clear();
                inSession_ = !sessions.empty();
                for (auto& session : sessions)
                    session();
                inSession_ = false;
            } else if (c >= 0x20) {
                frame_ += static_cast<char>(c);
            }
        }
    }
}

void J57Sim::OnFrame(const std::string& bytes)
{
    Frame frame;
    frame.bytes = bytes;
    frame.command = bytes.substr(0, bytes.size() - 1);
    frame.checkOk = Check(frame.command) == bytes.back();
    frame.speed = LineSpeed();
    frame.ignored = strict_ && frame.speed != rate_;
    Handler handler;
    {
        std::lock_guard lock(mu_);
        transcript_.push_back(frame);
        if (!frame.checkOk || frame.ignored)
            return;
        size_t best = 0;
        bool found = false;
        for (const auto& [prefix, h] : handlers_) {
            if (frame.command.compare(0, prefix.size(), prefix) == 0 && (!found || prefix.size() >= best)) {
                best = prefix.size();
                handler = h;
                found = true;
            }
        }
    }
    std::optional<std::string> text = handler ? handler(frame.command) : std::string("\x07Invalid command");
    if (text)
        SendReply(frame.command, *text);
    else if (!follow_.empty())
        Write(follow_);
    follow_.clear();
}

void J57Sim::SendReply(const std::string& command, const std::string& text)
{
    std::string line;
    int delay = 0;
    {
        std::lock_guard lock(mu_);
        if (silent_ > 0) {
            // The reply is lost, not what follows it.
            --silent_;
        } else {
            delay = delayMs_;
            delayMs_ = 0;
            std::string body = refuse_ ? "\x07" + *refuse_ : text;
            refuse_.reset();
            char check = Check(body, static_cast<unsigned char>(Check(command)));
            if (corrupt_ > 0) {
                --corrupt_;
                check = static_cast<char>(check == 0x7E ? 0x21 : check + 1);
            }
            line = body + check + "\r\n";
            if (raw_) {
                line = *raw_;
                raw_.reset();
            }
        }
    }
    if (delay > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    line += follow_;
    if (!line.empty())
        Write(line);
}

}  // namespace sim
