#include "GFXmodem.h"

#include <algorithm>
#include <cstdarg>

#include "Clock.h"
#include "GFCrc16.h"
#include "GFSerial.h"
#include "GFTiming.h"

namespace comm {

namespace {
constexpr int kSoh = 1, kStx = 2, kEot = 4, kAck = 6, kNak = 21, kCan = 24;
}

GFXmodem::GFXmodem(GFSerial& serial, GFMonitor& monitor) : serial_(serial), monitor_(monitor) {}

GFXmodem::~GFXmodem()
{
    // The monitor may be gone already: close without reporting.
    if (file_)
        std::fclose(file_);
}

void GFXmodem::SetStatus(int status)
{
    Status().status = status;
    monitor_.ReportStatus(status);
}

int GFXmodem::Initialize()
{
    std::string name = Status().fileName;
    Status() = GFTransferStatus();
    Status().fileName = name;
    crc_ = true;
    crcTries_ = 0;
    started_ = false;
    lastByteMs_ = platform::Clock::NowMs();
    return 1;
}

int GFXmodem::ReadByte(double seconds) { return ReadByteMs(AnswerMs(seconds)); }

int GFXmodem::ReadByteMs(int64_t ms)
{
    int c = serial_.ReadChar(ms);
    if (c >= 0)
        lastByteMs_ = platform::Clock::NowMs();
    return c;
}

bool GFXmodem::SilenceOver()
{
    return platform::Clock::NowMs() - lastByteMs_ >= ScaledMs(kSilenceSeconds);
}

int64_t GFXmodem::PurgeLimitMs()
{
    // The line time of a 1024-byte block with its header and check bytes.
    const GFDataFormat* format = serial_.GetDataFormat();
    const int baud = format && format->GetBaudRate() > 0 ? format->GetBaudRate() : 9600;
    const double blockSeconds = 1029.0 * 10.0 / baud;
    return ScaledMs(std::clamp(blockSeconds, kCharSeconds, kPurgeMaxSeconds));
}

bool GFXmodem::Purge()
{
    // What is left of a bad block: read until the line is quiet, but no
    // longer than a block takes on the line, since noise keeps a line from
    // ever being quiet. What is read here is no sign of life from the sender,
    // so it does not hold off the silence limit. The sender's CAN CAN may
    // come meanwhile: two or more CAN followed by a pause are its cancel,
    // where data bytes of the same value would be followed by more data.
    const int64_t start = platform::Clock::NowMs();
    const int64_t end = start + PurgeLimitMs();
    const int64_t quiet = ScaledMs(kCharSeconds);
    const int64_t poll = ScaledMs(kPollSeconds);
    int64_t lastByte = start, nextLook = start + poll;
    int cans = 0;
    for (;;) {
        const int64_t now = platform::Clock::NowMs();
        if (now >= end || now - lastByte >= quiet)
            break;
        const int c = serial_.ReadChar(std::min({poll, end - now, lastByte + quiet - now}));
        if (c >= 0) {
            lastByte = platform::Clock::NowMs();
            cans = c == kCan ? cans + 1 : 0;
        } else if (cans >= 2) {
            SetStatus(XM_REMOTE_CANCEL);
            return false;
        }
        if (c < 0 || platform::Clock::NowMs() >= nextLook) {
            nextLook = platform::Clock::NowMs() + poll;
            monitor_.Idle();
            if (CheckForAbort())
                return false;
            if (SilenceOver()) {
                SetStatus(XM_TIMEOUT);
                return false;
            }
        }
    }
    if (cans >= 2) {
        SetStatus(XM_REMOTE_CANCEL);
        return false;
    }
    serial_.RXFlush(0);
    return true;
}

bool GFXmodem::CountError()
{
    // A request after the last error would have the sender send once more
    // into the commands that follow the failed transfer.
    return ++Status().errorCount < kMaxErrors;
}

int GFXmodem::Refuse()
{
    if (Status().status != XM_OK)
        return 0;  // the wait for the block's byte ended the transfer
    const bool askAgain = CountError();
    if (Purge() && askAgain)
        SendNAK();
    return 0;
}

int GFXmodem::AwaitByte(double seconds)
{
    const int64_t start = platform::Clock::NowMs();
    const int64_t end = start + AnswerMs(seconds);
    const int64_t poll = ScaledMs(kPollSeconds);
    int64_t nextReport = start + ScaledMs(kCharSeconds);
    for (;;) {
        const int c = ReadByteMs(std::clamp<int64_t>(end - platform::Clock::NowMs(), 0, poll));
        if (c >= 0)
            return c;
        if (SilenceOver()) {
            SetStatus(XM_TIMEOUT);
            return -1;
        }
        monitor_.Idle();
        if (CheckForAbort())
            return -1;
        const int64_t now = platform::Clock::NowMs();
        if (now >= end)
            return -1;
        // A status report a second lets the monitor show a stall.
        if (now >= nextReport) {
            monitor_.ReportStatus(XM_OK);
            nextReport = now + ScaledMs(kCharSeconds);
        }
    }
}

int GFXmodem::GetFirstCharacter()
{
    const double wait = started_ || !crc_ ? kBlockSeconds : kStartSeconds;
    const int c = AwaitByte(wait);
    if (c < 0) {
        if (Status().status != XM_OK)
            return 0;
        if (!started_ && crc_ && ++crcTries_ >= kCrcTries)
            crc_ = false;  // the sender does not know CRC: plain checksums
        if (CountError())
            SendNAK();
        return 0;
    }
    return TakeFirstCharacter(c);
}

int GFXmodem::TakeFirstCharacter(int c)
{
    switch (c) {
    case kSoh: Status().firstChar = FIRST_SOH; return 1;
    case kStx: Status().firstChar = FIRST_STX; return 1;
    case kEot: Status().firstChar = FIRST_EOT; return 1;
    case kCan:
        if (ReadByte(kCharSeconds) == kCan) {
            SetStatus(XM_REMOTE_CANCEL);
            return 0;
        }
        [[fallthrough]];
    default: Status().firstChar = FIRST_OTHER; return 1;
    }
}

int GFXmodem::ReadBlockByte()
{
    // A header that was a noise byte starts a block that comes only as fast
    // as the noise: the window is served and Cancel seen while it trickles.
    return AwaitByte(kCharSeconds);
}

int GFXmodem::GetBlockNumber()
{
    number_ = ReadBlockByte();
    complement_ = number_ < 0 ? -1 : ReadBlockByte();
    return complement_ < 0 ? Refuse() : 1;
}

int GFXmodem::ReadDataForBlock()
{
    const int length = Status().blockLength;
    data_.resize(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) {
        int c = ReadBlockByte();
        if (c < 0)
            return Refuse();
        data_[static_cast<size_t>(i)] = static_cast<uint8_t>(c);
    }
    return 1;
}

int GFXmodem::GetChecksum()
{
    int first = ReadBlockByte();
    if (first < 0)
        return Refuse();
    check_ = static_cast<unsigned>(first);
    if (crc_) {
        int second = ReadBlockByte();
        if (second < 0)
            return Refuse();
        check_ = check_ << 8 | static_cast<unsigned>(second);
    }
    return 1;
}

int GFXmodem::CheckBlockNumber()
{
    if ((number_ + complement_) != 0xFF)
        return Refuse();
    const int expected = Status().blockNumber & 0xFF;
    if (number_ == expected)
        return 1;
    if (number_ == ((expected + 0xFF) & 0xFF)) {
        // The sender missed our ACK and sent the block again: take it as
        // acknowledged, keep the copy we have.
        SendACK();
        return 0;
    }
    return Refuse();
}

int GFXmodem::VerifyChecksum()
{
    unsigned computed;
    if (crc_) {
        computed = GFCrc16::CalculateBlock(data_.data(), data_.size(), 0);
    } else {
        computed = 0;
        for (uint8_t b : data_)
            computed += b;
        computed &= 0xFF;
    }
    if (computed != check_)
        return Refuse();
    started_ = true;
    Status().transferKind = crc_ ? 2 : 1;
    return 1;
}

int GFXmodem::SendACK()
{
    if (serial_.WriteChar(kAck) != 0) {
        SetStatus(XM_ACK_FAILED);
        return 0;
    }
    return 1;
}

int GFXmodem::SendNAK(bool plain)
{
    const int c = !plain && !started_ && crc_ ? 'C' : kNak;
    if (serial_.WriteChar(c) != 0) {
        SetStatus(XM_NAK_FAILED);
        return 0;
    }
    return 1;
}

int GFXmodem::OpenFile()
{
    Cleanup();
    file_ = std::fopen(Status().fileName.c_str(), "wb");
    if (!file_) {
        SetStatus(XM_FILE_OPEN);
        return 0;
    }
    return 1;
}

void GFXmodem::Cleanup()
{
    if (file_) {
        if (std::fclose(file_) != 0 && Status().status == XM_OK)
            SetStatus(XM_WRITE_FAILED);
        file_ = nullptr;
    }
}

bool GFXmodem::WriteBlock()
{
    long length = Status().blockLength;
    const auto& s = Status();
    if ((s.transferKind == 2 || s.transferKind == 4) && s.fileLength > 0 && s.bytesReceived + length > s.fileLength)
        length = s.fileLength > s.bytesReceived ? s.fileLength - s.bytesReceived : 0;
    return length == 0 ||
           std::fwrite(data_.data(), 1, static_cast<size_t>(length), file_) == static_cast<size_t>(length);
}

int GFXmodem::CheckForAbort()
{
    if (monitor_.CheckAbort() == XM_USER_ABORT) {
        SetStatus(XM_USER_ABORT);
        return 1;
    }
    return 0;
}

void GFXmodem::Message(const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    monitor_.ShowText(text);
}

}  // namespace comm
