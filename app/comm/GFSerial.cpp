#include "GFSerial.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Clock.h"
#include "GFTermios.h"

namespace comm {

namespace {
int SystemOpen(const char* path, int flags) { return ::open(path, flags); }
OpenFunction g_open = SystemOpen;

constexpr int kRates[] = {300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 28800, 38400, 57600, 115200};

bool WriteAll(int fd, const uint8_t* data, size_t count)
{
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(fd, data + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0)
                return false;
            continue;
        }
        return false;
    }
    return true;
}
}  // namespace

void SetOpenFunction(OpenFunction function)
{
    g_open = function ? function : SystemOpen;
}

GFComPort::~GFComPort()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::unique_ptr<GFComPort> CreateComPort(const std::string& device, size_t rxSize, size_t)
{
    std::unique_ptr<GFComPort> port(new GFComPort());
    port->device_ = device;
    port->rxSize_ = rxSize;
    struct stat st {};
    if (device.empty() || ::stat(device.c_str(), &st) != 0) {
        port->error_ = GF_NO_SUCH_PORT;
        port->systemError_ = device.empty() ? ENOENT : errno;
        return port;
    }
    int fd = g_open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        port->systemError_ = errno;
        port->error_ = errno == ENOENT || errno == ENXIO || errno == ENODEV ? GF_NO_SUCH_PORT : GF_OPEN_FAILED;
        return port;
    }
    if (!termios2::MakeRaw(fd)) {
        ::close(fd);
        port->error_ = GF_OPEN_FAILED;
        return port;
    }
    termios2::Flush(fd, 2);
    port->fd_ = fd;
    return port;
}

int GFLineStatus::Dtr(int on) { return termios2::SetModemLine(port_.Fd(), true, on != 0) ? 0 : -1; }
int GFLineStatus::Rts(int on) { return termios2::SetModemLine(port_.Fd(), false, on != 0) ? 0 : -1; }

int GFLineStatus::SetHandShake(int rtsCts, int)
{
    return termios2::SetHardwareHandshake(port_.Fd(), rtsCts != 0) ? 0 : -1;
}

int GFLineStatus::SendBreak(int ms)
{
    if (!termios2::SetBreak(port_.Fd(), true))
        return -1;
    platform::WaitMs(ms);
    termios2::SetBreak(port_.Fd(), false);
    return 0;
}

int GFDataFormat::Parity(char parity)
{
    if (!termios2::SetFormat(port_.Fd(), dataBits_, parity, stopBits_))
        return GF_FORMAT_REFUSED;
    parity_ = parity;
    return 0;
}

int GFDataFormat::StopBits(int bits)
{
    if (!termios2::SetFormat(port_.Fd(), dataBits_, parity_, bits))
        return GF_FORMAT_REFUSED;
    stopBits_ = bits;
    return 0;
}

int GFDataFormat::DataLength(int bits)
{
    if (!termios2::SetFormat(port_.Fd(), bits, parity_, stopBits_))
        return GF_FORMAT_REFUSED;
    dataBits_ = bits;
    return 0;
}

int GFDataFormat::BaudRate(int rate)
{
    bool known = false;
    for (int r : kRates)
        known = known || r == rate;
    if (!known || !termios2::SetSpeed(port_.Fd(), rate))
        return GF_BAUD_REFUSED;
    rate_ = rate;
    return 0;
}

GFSerial::GFSerial(GFComPort& port) : port_(port), line_(port), format_(port) {}

int GFSerial::RXFlush(int)
{
    port_.ahead_.clear();
    if (port_.fd_ >= 0)
        termios2::Flush(port_.fd_, 0);
    return 0;
}

int GFSerial::TXFlush()
{
    if (port_.fd_ >= 0)
        termios2::Flush(port_.fd_, 1);
    return 0;
}

int GFSerial::RXCount()
{
    if (port_.fd_ < 0)
        return 0;
    return static_cast<int>(port_.ahead_.size()) + termios2::InputWaiting(port_.fd_);
}

int GFSerial::TXCount() { return port_.fd_ >= 0 ? termios2::OutputWaiting(port_.fd_) : 0; }

int GFSerial::Drain() { return port_.fd_ >= 0 && termios2::Drain(port_.fd_) ? 0 : -1; }

// Reads what the device has into the read-ahead, waiting at most timeoutMs
// for the first byte. False when nothing came.
bool GFSerial::Fill(int64_t timeoutMs)
{
    if (port_.fd_ < 0)
        return false;
    const int64_t end = platform::Clock::NowMs() + (timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        uint8_t chunk[512];
        ssize_t n = ::read(port_.fd_, chunk, sizeof chunk);
        if (n > 0) {
            port_.ahead_.insert(port_.ahead_.end(), chunk, chunk + n);
            return true;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return false;
        int64_t left = end - platform::Clock::NowMs();
        if (left <= 0)
            return false;
        pollfd p{port_.fd_, POLLIN, 0};
        int r = ::poll(&p, 1, static_cast<int>(left > 100 ? 100 : left));
        if (r < 0 && errno != EINTR)
            return false;
        if (r > 0 && (p.revents & (POLLERR | POLLNVAL)))
            return false;
        if (r > 0 && (p.revents & POLLHUP) && !(p.revents & POLLIN))
            platform::WaitMs(left > 10 ? 10 : left);  // the other end is away: wait out the time
    }
}

bool GFSerial::WaitForInput(int64_t timeoutMs) { return !port_.ahead_.empty() || Fill(timeoutMs); }

int GFSerial::GetString(char* buffer, int max, int terminator, int64_t timeoutMs)
{
    if (max <= 0)
        return 0;
    const int64_t end = platform::Clock::NowMs() + timeoutMs;
    int count = 0;
    for (;;) {
        auto& ahead = port_.ahead_;
        size_t used = 0;
        bool done = false;
        while (used < ahead.size() && count < max) {
            uint8_t c = ahead[used++];
            buffer[count++] = static_cast<char>(c);
            if (c == terminator) {
                done = true;
                break;
            }
        }
        ahead.erase(ahead.begin(), ahead.begin() + static_cast<std::ptrdiff_t>(used));
        if (done || count >= max)
            return count;
        int64_t left = end - platform::Clock::NowMs();
        if (left <= 0 || !Fill(left))
            return count;
    }
}

int GFSerial::GetBuffer(void* buffer, int count, int)
{
    if (count <= 0)
        return 0;
    if (port_.ahead_.size() < static_cast<size_t>(count))
        Fill(0);
    size_t n = std::min(port_.ahead_.size(), static_cast<size_t>(count));
    if (n > 0)
        std::memcpy(buffer, port_.ahead_.data(), n);
    port_.ahead_.erase(port_.ahead_.begin(), port_.ahead_.begin() + static_cast<std::ptrdiff_t>(n));
    return static_cast<int>(n);
}

int GFSerial::PutBuffer(const void* buffer, int count)
{
    if (port_.fd_ < 0 || count < 0)
        return GF_WRITE_FAILED;
    return WriteAll(port_.fd_, static_cast<const uint8_t*>(buffer), static_cast<size_t>(count)) ? 0
                                                                                             : GF_WRITE_FAILED;
}

int GFSerial::PutString(const char* text, int)
{
    size_t n = std::strlen(text);
    if (port_.fd_ < 0 || !WriteAll(port_.fd_, reinterpret_cast<const uint8_t*>(text), n))
        return 0;
    return static_cast<int>(n);
}

int GFSerial::ReadChar(int64_t timeoutMs)
{
    if (port_.ahead_.empty() && !Fill(timeoutMs))
        return GF_TIMEOUT;
    uint8_t c = port_.ahead_.front();
    port_.ahead_.erase(port_.ahead_.begin());
    return c;
}

int GFSerial::WriteChar(int c)
{
    uint8_t b = static_cast<uint8_t>(c);
    return PutBuffer(&b, 1);
}

}  // namespace comm
