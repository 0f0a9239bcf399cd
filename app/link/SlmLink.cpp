#include "SlmLink.h"

#include <vector>

#include "CheckCharacter.h"
#include "Clock.h"
#include "GFTiming.h"
#include "SerialPort.h"
#include "XmodemReceiver.h"

SlmLink::SlmLink(SerialPort* port) : port_(port) {}

SlmLink::~SlmLink() = default;

void SlmLink::WaitSeconds(double seconds, int64_t startMs)
{
    const int64_t now = platform::Clock::NowMs();
    const int64_t start = startMs ? startMs : now;
    const int64_t left = start + comm::ScaledMs(seconds) - now;
    if (left > 0)
        platform::WaitMsPumping(left);
    else
        platform::Pump();
}

void SlmLink::SetLastErrorReply(const std::string& text)
{
    // The slot holds 51 characters; a longer refusal is cut to it.
    lastErrorReply_ = text.substr(0, kErrorReplyMax);
}

int SlmLink::SendCommand(const std::string& command, std::string* reply, int replyMax, int timeout)
{
    if (!port_)
        return lastResult_ = NOT_CONNECTED;
    port_->FlushBoth();
    lastResult_ = 0;
    if (reply)
        reply->clear();
    reply_.clear();
    command_ = command;
    if (timeout != 0)
        port_->SetTimeout(timeout);
    const int max = reply ? (replyMax > 0 ? replyMax : 1) : 100;
    const char check = slm::CheckCharacter(command);
    // The frame goes out through the formatted send: every '%' is doubled so
    // that exactly one reaches the wire (the check character may be one).
    std::string frame;
    for (char c : command + check + "\r\n") {
        frame += c;
        if (c == '%')
            frame += '%';
    }
    std::vector<char> line(static_cast<size_t>(max) + 1);
    for (int attempt = 0; attempt < 6; ++attempt) {
        if (attempt > 0)
            WaitSeconds(0.1);
        // Leftovers of an earlier reply would be taken for this one.
        for (int drains = 0; port_->RXCount() > 0 && drains < 20; ++drains) {
            int n = 0;
            port_->ReadLine(line.data(), &n, 0, max);
            port_->FlushBoth();
            WaitSeconds(0.1);
        }
        if (port_->SendFormatted(frame.c_str()) != 0)  // NOLINT: the frame is the format
            return lastResult_ = SerialPort::WRITE_FAILED;
        int n = 0;
        if (port_->ReadLine(line.data(), &n, 0, max) != 0)
            return lastResult_ = NO_RESPONSE;
        if (n == 1 && line[0] == '\n' && port_->ReadLine(line.data(), &n, 0, max) != 0)
            return lastResult_ = NO_RESPONSE;
        auto parts = slm::SplitReply(std::string_view(line.data(), static_cast<size_t>(n)), check);
        if (!parts || !parts->valid)
            continue;
        reply_ = parts->text;
        if (reply)
            *reply = parts->text;
        SetLastErrorReply(reply_.find('\x07') != std::string::npos ? reply_ : std::string());
        return lastResult_ = 0;
    }
    return lastResult_ = CHECKSUM_FAILURE;
}

int SlmLink::Sync()
{
    platform::WaitCursor cursor;
    if (!port_)
        return lastResult_ = NOT_CONNECTED;
    port_->SendRaw("@@", false);
    char line[513];
    int n = 0;
    reply_.clear();
    if (port_->ReadLine(line, &n, 0, 512) != 0 || n == 0 || line[0] == '\r' || line[0] == '\n')
        return lastResult_ = NO_RESPONSE;
    reply_.assign(line, static_cast<size_t>(n));
    return lastResult_ = 0;
}
