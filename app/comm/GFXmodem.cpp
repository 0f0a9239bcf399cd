#include "GFXmodem.h"

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

int GFXmodem::ReadByte(double seconds)
{
    int c = serial_.ReadChar(ScaledMs(seconds));
    if (c >= 0)
        lastByteMs_ = platform::Clock::NowMs();
    return c;
}

void GFXmodem::Purge()
{
    // What is left of a bad block: read until the line is quiet.
    while (ReadByte(kCharSeconds) >= 0) {
    }
    serial_.RXFlush(0);
}

int GFXmodem::Refuse()
{
    ++Status().errorCount;
    Purge();
    SendNAK();
    return 0;
}

int GFXmodem::GetFirstCharacter()
{
    const double wait = started_ || !crc_ ? kBlockSeconds : kStartSeconds;
    const int64_t end = platform::Clock::NowMs() + ScaledMs(wait);
    int c = -1;
    // Wait in slices of a second so that the monitor can show a stall and the
    // user can cancel.
    while (platform::Clock::NowMs() < end) {
        c = ReadByte(kCharSeconds);
        if (c >= 0)
            break;
        if (platform::Clock::NowMs() - lastByteMs_ >= ScaledMs(kSilenceSeconds)) {
            SetStatus(XM_TIMEOUT);
            return 0;
        }
        if (CheckForAbort())
            return 0;
        monitor_.ReportStatus(XM_OK);
    }
    if (c < 0) {
        if (!started_ && crc_ && ++crcTries_ >= kCrcTries)
            crc_ = false;  // the sender does not know CRC: plain checksums
        ++Status().errorCount;
        SendNAK();
        return 0;
    }
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

int GFXmodem::GetBlockNumber()
{
    number_ = ReadByte(kCharSeconds);
    complement_ = number_ < 0 ? -1 : ReadByte(kCharSeconds);
    return complement_ < 0 ? Refuse() : 1;
}

int GFXmodem::ReadDataForBlock()
{
    const int length = Status().blockLength;
    data_.resize(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) {
        int c = ReadByte(kCharSeconds);
        if (c < 0)
            return Refuse();
        data_[static_cast<size_t>(i)] = static_cast<uint8_t>(c);
    }
    return 1;
}

int GFXmodem::GetChecksum()
{
    int first = ReadByte(kCharSeconds);
    if (first < 0)
        return Refuse();
    check_ = static_cast<unsigned>(first);
    if (crc_) {
        int second = ReadByte(kCharSeconds);
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

int GFXmodem::SendNAK()
{
    const int c = !started_ && crc_ ? 'C' : kNak;
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
