#include "SerialPort.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Clock.h"
#include "GFTiming.h"
#include "PortResolver.h"
#include "Profile.h"

SerialPort::SerialPort(int portNumber)
{
    if (portNumber < 1) {
        lastResult_ = INVALID_PORT;
        portNumber = 1;
    }
    portIndex_ = portNumber - 1;
}

SerialPort::~SerialPort() { Close(); }

int64_t SerialPort::TimeoutMs() const { return comm::AnswerMs(timeout_); }

int SerialPort::Open()
{
    platform::WaitCursor cursor;
    if (open_)
        Close();
    platform::PortResolver resolver(platform::AppProfile());
    device_ = resolver.Resolve(platform::PortResolver::PortName(portIndex_ + 1));
    openError_ = 0;
    port_ = comm::CreateComPort(device_, 32000, 4000);
    if (!port_)
        return lastResult_ = OPEN_FAILED;
    openError_ = port_->SystemError();
    serial_ = std::make_unique<comm::GFSerial>(*port_);
    if (int error = serial_->GetCommError(); error != 0) {
        serial_.reset();
        port_.reset();
        return lastResult_ = error == comm::GF_NO_SUCH_PORT ? INVALID_PORT : OPEN_FAILED;
    }
    line_ = serial_->GetLineStatus();
    format_ = serial_->GetDataFormat();
    if (!line_ || !format_ || format_->Parity(parity_) != 0 || format_->StopBits(stopBits_) != 0 ||
        format_->DataLength(dataBits_) != 0 || format_->BaudRate(baud_) != 0) {
        Close();
        return lastResult_ = OPEN_FAILED;
    }
    open_ = true;
    line_->Dtr(dtr_);
    line_->Rts(rts_);
    line_->SetHandShake(handshake_ ? 1 : 0, handshake_ ? 1 : 0);
    return lastResult_ = OK;
}

int SerialPort::Close()
{
    serial_.reset();
    port_.reset();
    line_ = nullptr;
    format_ = nullptr;
    open_ = false;
    return 0;
}

int SerialPort::SetBaud(int rate)
{
    baud_ = rate;
    if (open_ && format_ && format_->BaudRate(rate) != 0)
        return BAUD_REFUSED;
    return OK;
}

int SerialPort::SetTimeout(int seconds)
{
    int previous = timeout_;
    timeout_ = seconds == 0 ? 2 : seconds;
    return previous;
}

void SerialPort::SendBreak(int ms)
{
    if (open_ && line_)
        line_->SendBreak(static_cast<int>(comm::ScaledMs(ms / 1000.0)));
}

int SerialPort::ReadLine(char* buffer, int* count, int, int max)
{
    if (count)
        *count = 0;
    buffer[0] = 0;
    if (!serial_ || max <= 0)
        return NO_REPLY;
    serial_->Drain();
    int n = serial_->GetString(buffer, max, 10, TimeoutMs());
    buffer[n] = 0;
    if (count)
        *count = n;
    return n > 0 ? OK : NO_REPLY;
}

int SerialPort::ReadBlock(void* buffer, int count)
{
    if (!serial_)
        return BLOCK_TIMEOUT;
    serial_->Drain();
    auto* out = static_cast<uint8_t*>(buffer);
    int done = 0;
    while (done < count) {
        int n = serial_->GetBuffer(out + done, count - done);
        if (n > 0) {
            done += n;
            continue;
        }
        // Inactivity time-out: it starts again whenever bytes arrive.
        if (!serial_->WaitForInput(TimeoutMs()))
            return lastResult_ = BLOCK_TIMEOUT;
    }
    return OK;
}

int SerialPort::ReadChar(int* wait)
{
    if (!serial_) {
        lastResult_ = NOT_OPEN;
        if (wait)
            *wait = NOT_OPEN;
        return 0;
    }
    int seconds = wait && *wait >= 1 ? *wait : timeout_;
    int c = serial_->ReadChar(comm::AnswerMs(seconds));
    if (c < 0) {
        lastResult_ = CHAR_TIMEOUT;
        if (wait)
            *wait = 1;
        return 0;
    }
    if (wait)
        *wait = 0;
    return c;
}

int SerialPort::WriteBlock(const void* buffer, int count)
{
    if (!serial_ || serial_->PutBuffer(buffer, count) != 0)
        return WRITE_FAILED;
    return OK;
}

int SerialPort::SendRaw(const std::string& text, bool pace)
{
    if (!serial_)
        return lastResult_ = WRITE_FAILED;
    inputFound_ = serial_->RXCount();
    serial_->RXFlush(0);
    std::string line = text + '\r';
    for (char c : line) {
        lastCharResult_ = serial_->WriteChar(static_cast<unsigned char>(c));
        if (lastCharResult_ != 0)
            return lastResult_ = WRITE_FAILED;
        if (pace)
            platform::WaitMsPumping(comm::ScaledMs(0.01));
    }
    return OK;
}

int SerialPort::SendFormatted(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0 || !serial_) {
        va_end(args);
        return WRITE_FAILED;
    }
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    // Pending input would be taken for the reply: discard it and wait (a
    // bounded time) until nothing more comes in.
    const int64_t end = platform::Clock::NowMs() + TimeoutMs();
    do {
        serial_->RXFlush(0);
    } while (serial_->RXCount() > 0 && platform::Clock::NowMs() < end);
    if (serial_->PutString(text.data()) <= 0 && length > 0)
        return WRITE_FAILED;
    return OK;
}

void SerialPort::WaitSeconds(float seconds) { platform::WaitMsPumping(comm::ScaledMs(seconds)); }
