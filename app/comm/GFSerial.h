#pragma once
// Our serial-communication layer over a POSIX serial device: the port object
// (GFComPort), the serial object with timed reads and writes (GFSerial), and
// its line-status and data-format parts. Result codes follow the serial
// library the program was written for: 0 success, -8xx failures.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace comm {

enum GFResult {
    GF_OK = 0,
    GF_BAUD_REFUSED = -801,
    GF_TIMEOUT = -802,
    GF_WRITE_FAILED = -803,
    GF_READ_FAILED = -804,
    GF_FORMAT_REFUSED = -805,
    GF_OPEN_FAILED = -827,
    GF_NO_SUCH_PORT = -828,
};

// The open device and its read-ahead. Made by CreateComPort; never copied.
class GFComPort {
public:
    ~GFComPort();
    GFComPort(const GFComPort&) = delete;
    GFComPort& operator=(const GFComPort&) = delete;

    int Fd() const { return fd_; }
    int Error() const { return error_; }
    // The system's reason when opening failed (an errno value), else 0.
    int SystemError() const { return systemError_; }
    const std::string& Device() const { return device_; }

private:
    friend std::unique_ptr<GFComPort> CreateComPort(const std::string&, size_t, size_t);
    friend class GFSerial;
    GFComPort() = default;
    int fd_ = -1;
    int error_ = GF_OK;
    int systemError_ = 0;
    std::string device_;
    std::vector<uint8_t> ahead_;  // read from the device, not yet handed out
    size_t rxSize_ = 0;
};

// Opens the device; the result always exists and carries the error code
// (GF_NO_SUCH_PORT when the device is missing, GF_OPEN_FAILED otherwise).
std::unique_ptr<GFComPort> CreateComPort(const std::string& device, size_t rxSize = 32000,
                                         size_t txSize = 4000);

// The call that opens a device (open(2) unless replaced): tests put a failure
// such as EACCES in its place, which they cannot meet otherwise as root.
// Null restores open(2).
using OpenFunction = int (*)(const char* path, int flags);
void SetOpenFunction(OpenFunction function);

class GFLineStatus {
public:
    explicit GFLineStatus(GFComPort& port) : port_(port) {}
    int Dtr(int on);
    int Rts(int on);
    int SetHandShake(int rtsCts, int dtrDsr);
    int SendBreak(int ms);

private:
    GFComPort& port_;
};

class GFDataFormat {
public:
    explicit GFDataFormat(GFComPort& port) : port_(port) {}
    int Parity(char parity);
    int StopBits(int bits);
    int DataLength(int bits);
    int BaudRate(int rate);
    int GetBaudRate() const { return rate_; }

private:
    GFComPort& port_;
    char parity_ = 'N';
    int stopBits_ = 1;
    int dataBits_ = 8;
    int rate_ = 9600;
};

class GFSerial {
public:
    explicit GFSerial(GFComPort& port);
    virtual ~GFSerial() = default;

    int GetCommError() const { return port_.error_; }
    GFLineStatus* GetLineStatus() { return port_.fd_ >= 0 ? &line_ : nullptr; }
    GFDataFormat* GetDataFormat() { return port_.fd_ >= 0 ? &format_ : nullptr; }

    int RXFlush(int unused = 0);
    int TXFlush();
    int RXCount();
    int TXCount();
    // Waits until everything written has gone out (bounded by the line).
    int Drain();

    // Reads up to the terminator (kept), at most max bytes, within timeoutMs;
    // bytes after the terminator stay for the next read. Returns the count
    // read, 0 when nothing came.
    int GetString(char* buffer, int max, int terminator, int64_t timeoutMs);
    // Whatever is available now, up to count bytes.
    int GetBuffer(void* buffer, int count, int unused = 0);
    int PutBuffer(const void* buffer, int count);
    // Count written; above 0 on success.
    int PutString(const char* text, int unused = -1);
    // One character (0..255) or GF_TIMEOUT.
    virtual int ReadChar(int64_t timeoutMs);
    virtual int WriteChar(int c);

    // Waits until at least one byte is available; false on time-out.
    bool WaitForInput(int64_t timeoutMs);

private:
    bool Fill(int64_t timeoutMs);
    GFComPort& port_;
    GFLineStatus line_;
    GFDataFormat format_;
};

}  // namespace comm
