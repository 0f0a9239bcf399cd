#include "J57Sim.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
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

void J57Sim::Write(const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size() && !stop_) {
        ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else {
            pollfd p{master_, POLLOUT, 0};
            ::poll(&p, 1, 10);
        }
    }
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
    input_.insert(input_.end(), buffer, buffer + n);
}

int J57Sim::ReadByte(int timeoutMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        {
            std::lock_guard lock(mu_);
            if (!input_.empty()) {
                int c = input_.front();
                input_.pop_front();
                return c;
            }
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
                c = input_.front();
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
}

void J57Sim::SendReply(const std::string& command, const std::string& text)
{
    std::string line;
    int delay = 0;
    {
        std::lock_guard lock(mu_);
        if (silent_ > 0) {
            --silent_;
            return;
        }
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
    if (delay > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    Write(line);
}

}  // namespace sim
