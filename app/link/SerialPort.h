#pragma once
// The program's one handle on a PC serial port: the line settings, and the
// reads, writes and waits on which the instrument protocol is built.
// Port numbers are the instrument world's "COMn"; PortResolver maps them to
// devices.
#include <cstdint>
#include <memory>
#include <string>

#include "GFSerial.h"

class SerialPort {
public:
    enum Result {
        OK = 0,
        OPEN_FAILED = -1,
        BAUD_REFUSED = -3,
        WRITE_FAILED = -5,
        INVALID_PORT = -10,
        CHAR_TIMEOUT = -11,
        NOT_OPEN = -12,
        BLOCK_TIMEOUT = -21,
        NO_REPLY = -201,
    };

    explicit SerialPort(int portNumber = 1);
    virtual ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    int Open();
    int Close();
    int SetBaud(int rate);
    int GetBaud() const { return baud_; }
    // Seconds; 0 sets 2. Returns the previous value.
    int SetTimeout(int seconds);
    int GetTimeout() const { return timeout_; }
    void SendBreak(int ms);
    void SetHandshake(bool on) { handshake_ = on; }

    // Up to LF (kept), at most max bytes, within the time-out; buffer must
    // hold max + 1 bytes and is always terminated. 0 or NO_REPLY.
    int ReadLine(char* buffer, int* count, int unused, int max);
    // Exactly count bytes; the time-out restarts whenever bytes arrive.
    int ReadBlock(void* buffer, int count);
    // One character within wait seconds (below 1: the port time-out); wait
    // becomes 1 on a time-out, -12 without a port, else 0.
    int ReadChar(int* wait = nullptr);
    int WriteBlock(const void* buffer, int count);
    // Discards waiting input, then writes the text (0.01 s after each
    // character when paced) and CR.
    int SendRaw(const std::string& text, bool pace);
    virtual int SendFormatted(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Waits keeping the window alive.
    void WaitSeconds(float seconds);

    bool IsOpen() const { return open_; }
    int GetLastResult() const { return lastResult_; }
    int GetPortIndex() const { return portIndex_; }
    // The device of the last Open, and the system's reason (an errno value)
    // when that Open failed, else 0.
    const std::string& GetDevice() const { return device_; }
    int GetOpenError() const { return openError_; }
    int GetInputFound() const { return inputFound_; }
    // The library's serial object (null while closed).
    comm::GFSerial* Serial() { return serial_.get(); }
    int RXCount() { return serial_ ? serial_->RXCount() : 0; }
    void FlushInput()
    {
        if (serial_)
            serial_->RXFlush(0);
    }
    void FlushOutput()
    {
        if (serial_)
            serial_->TXFlush();
    }
    void FlushBoth()
    {
        FlushInput();
        FlushOutput();
    }
    // Milliseconds of the port time-out, scaled.
    int64_t TimeoutMs() const;

private:
    int baud_ = 9600;
    int dataBits_ = 8;
    comm::GFDataFormat* format_ = nullptr;
    int dtr_ = 1;
    int lastCharResult_ = 0;
    int lastResult_ = 0;
    comm::GFLineStatus* line_ = nullptr;
    bool open_ = false;
    char parity_ = 'N';
    std::unique_ptr<comm::GFSerial> serial_;
    int portIndex_ = 0;
    std::string device_;
    int openError_ = 0;
    std::unique_ptr<comm::GFComPort> port_;
    int inputFound_ = 0;
    int rts_ = 1;
    int stopBits_ = 1;
    int timeout_ = 2;
    bool handshake_ = false;
};
