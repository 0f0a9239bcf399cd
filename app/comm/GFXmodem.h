#pragma once
// The XMODEM receive steps of the serial layer, the transfer status they keep
// and the monitor they report to. A receiver drives the steps in its own
// loop (the program's XmodemReceiver); each step answers non-zero on success,
// and on failure either sets a status code (the transfer is over) or leaves
// it 0 (the block was refused and asked for again; the error is counted).
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace comm {

class GFSerial;

enum XmodemStatus {
    XM_OK = 0,
    XM_USER_ABORT = -901,
    XM_FILE_OPEN = -902,
    XM_WRITE_FAILED = -904,
    XM_TOO_MANY_ERRORS = -908,
    XM_TIMEOUT = -909,
    XM_REMOTE_CANCEL = -914,
    XM_NO_MEMORY = -920,
    XM_BAD_FIRST_CHAR = -921,
    XM_NAK_FAILED = -922,
    XM_ACK_FAILED = -923,
    XM_PUT_FAILED = -924,
    XM_BAD_STATE = -928,
};

// Kinds of the first character of a block.
enum FirstChar { FIRST_OTHER = 0, FIRST_SOH = 1, FIRST_STX = 2, FIRST_EOT = 4 };

struct GFTransferStatus {
    std::string fileName;
    int firstChar = FIRST_OTHER;
    int blockNumber = 0;   // of the block awaited, from 1
    int blockLength = 0;   // 128 or 1024, 0 until known
    long bytesReceived = 0;
    int status = XM_OK;
    int errorCount = 0;
    int transferKind = 1;  // 1 checksum, 2 CRC-16
    long fileLength = 0;   // known length of the file, 0 when not known
};

class GFMonitor {
public:
    virtual ~GFMonitor() = default;
    virtual void Initialize(int) { status_ = GFTransferStatus(); }
    // Every change of the status; returns the status.
    virtual int ReportStatus(int status) { return status; }
    virtual void ShowText(const std::string&) {}
    // 0, or XM_USER_ABORT when the user asked to stop.
    virtual int CheckAbort() { return 0; }
    // Called while a step waits on the line, so that the window stays alive
    // and a Cancel can be seen between status reports.
    virtual void Idle() {}
    GFTransferStatus& Status() { return status_; }

private:
    GFTransferStatus status_;
};

class GFXmodem {
public:
    // Times of the protocol in seconds (scaled like every wait of the link;
    // the waits for the sender's bytes are waits for an answer).
    static constexpr double kCharSeconds = 1.0;      // between bytes of a block
    static constexpr double kStartSeconds = 3.0;     // per 'C' before falling back to NAK
    static constexpr double kBlockSeconds = 10.0;    // for a block's first byte
    static constexpr double kSilenceSeconds = 60.0;  // nothing at all: the transfer is over
    static constexpr double kPollSeconds = 0.05;     // between looks at the window and Cancel
    // Discarding what is left of a bad block ends once the line is quiet for
    // kCharSeconds, or after the line time of the longest block, kept
    // between kCharSeconds and kPurgeMaxSeconds: a noisy line is never quiet.
    static constexpr double kPurgeMaxSeconds = 3.0;
    static constexpr int kCrcTries = 3;
    // Errors in a row that end the transfer (-908). The last one is not
    // answered with a request to send again.
    static constexpr int kMaxErrors = 10;

    GFXmodem(GFSerial& serial, GFMonitor& monitor);
    virtual ~GFXmodem();
    GFXmodem(const GFXmodem&) = delete;
    GFXmodem& operator=(const GFXmodem&) = delete;

    // The receive operation: a file into fileName; returns the status code.
    virtual int Receive(const std::string& fileName) = 0;

    int Initialize();
    int GetFirstCharacter();
    int GetBlockNumber();
    int ReadDataForBlock();
    int GetChecksum();
    int CheckBlockNumber();
    int VerifyChecksum();
    int SendACK();
    // 'C' until the first block in CRC mode, else NAK; plain: NAK always.
    int SendNAK(bool plain = false);

    // The transfer helpers.
    int OpenFile();
    void Cleanup();
    // Non-zero when the user aborted (the status is then XM_USER_ABORT).
    int CheckForAbort();
    void Message(const char* format, ...) __attribute__((format(printf, 2, 3)));

protected:
    GFTransferStatus& Status() { return monitor_.Status(); }
    void SetStatus(int status);
    // Counts a refused block, discards what is left of it and asks again
    // unless that was the last error allowed; nothing once the transfer is
    // over.
    int Refuse();
    // Counts an error; false when it was the last one allowed.
    bool CountError();
    // One byte within seconds, or -1. While it waits the window is kept
    // alive, Cancel is looked at and the silence limit is kept; when one of
    // these ends the transfer the status is set.
    int AwaitByte(double seconds);
    // Takes c as a block's first character (Status().firstChar); 0 when it
    // was the sender's cancel (the status is set).
    int TakeFirstCharacter(int c);
    bool WriteBlock();
    const std::vector<uint8_t>& Data() const { return data_; }

    GFSerial& serial_;
    GFMonitor& monitor_;
    std::FILE* file_ = nullptr;

private:
    int ReadByte(double seconds);
    // A byte after a block's header, within kCharSeconds, or -1 (the status
    // is set when the wait ended the transfer).
    int ReadBlockByte();
    int ReadByteMs(int64_t ms);
    // False when the transfer ended meanwhile (the status is set).
    bool Purge();
    bool SilenceOver();
    int64_t PurgeLimitMs();

    std::vector<uint8_t> data_;
    int number_ = 0, complement_ = 0;
    unsigned check_ = 0;
    bool crc_ = true;
    int crcTries_ = 0;
    bool started_ = false;  // a block has come
    int64_t lastByteMs_ = 0;
};

}  // namespace comm
