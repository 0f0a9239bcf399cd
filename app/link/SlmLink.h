#pragma once
// The instrument's command object: one per connection. It sends the
// instrument's checksummed commands over the port, reads their replies,
// caches the identification texts, runs the connect handshake and owns the
// XMODEM receiver of a download.
#include <cstdint>
#include <memory>
#include <string>

class SerialPort;
class XmodemReceiver;
class DownloadMonitor;

class SlmLink {
public:
    // Result codes of the link (the port's are in SerialPort).
    enum Result {
        NOT_CONNECTED = -6,
        NOT_AVAILABLE = -7,
        NO_RECEIVER = -15,
        NO_RESPONSE = -201,
        CHECKSUM_FAILURE = -205,
        NOT_IDLE = -225,
    };
    // The instrument's applications as GetApplicationCode gives them.
    enum AppCode { APP_UNKNOWN = -1, APP_SSA = 0, APP_ISM = 1, APP_LOG = 2, APP_ENV = 3, APP_RTA = 4,
                   APP_FFT = 5, APP_AUD = 6, APP_TAL = 7, APP_VIB = 8 };

    explicit SlmLink(SerialPort* port);
    ~SlmLink();
    SlmLink(const SlmLink&) = delete;
    SlmLink& operator=(const SlmLink&) = delete;

    // One checksummed exchange: up to six tries; the reply text (check
    // character cut off, XON/XOFF removed) into reply when given. A non-zero
    // time-out (seconds) becomes the port's time-out.
    int SendCommand(const std::string& command, std::string* reply = nullptr, int replyMax = 100, int timeout = 0);
    // "@@" CR and one reply line.
    int Sync();
    // Waits from startMs (0: now), keeping the window alive.
    void WaitSeconds(double seconds, int64_t startMs = 0);

    // Identification and state of the instrument.
    const std::string& GetSerialNumber();
    const std::string& GetIdentification();
    // Sends "R90" and keeps the reply as the firmware revision (emptied when
    // the command fails). The document reads it once, at connect.
    const std::string& GetFirmwareRevision();
    // The last answers of GetSerialNumber and GetIdentification, without
    // asking the instrument again.
    const std::string& SerialNumberText() const { return serialNumber_; }
    const std::string& IdentificationText() const { return identification_; }
    // The kept revision, as the last GetFirmwareRevision left it; nothing is
    // sent. A lost reply must not pass for firmware 0.0, which means the
    // oldest block layout.
    const std::string& GetCachedFirmwareRevision() const { return firmwareRevision_; }
    // The kept revision as a decimal number; 0.0 while it is unknown.
    double GetFirmwareVersion() const;
    // The kept revision reads as a number.
    bool IsFirmwareVersionKnown() const;
    int GetApplicationCode();
    const std::string& GetActiveSetupName();
    std::string GetQ5Text();
    std::string GetR6Time() { return GetTimeText(6); }
    std::string GetR175Time() { return GetTimeText(175); }
    std::string GetR8Time() { return GetTimeText(8); }
    std::string GetR176Time() { return GetTimeText(176); }
    int GetClock(int& year, int& month, int& day, int& hour, int& minute, int& second);
    int SetDate(const std::string& text);
    int SetTime(const std::string& text);
    int SetWeekday(int weekday);
    int SetClockFromPC();
    bool IsRunning();
    bool HasActiveMeasurement();
    bool HasStoredData();
    int GetStoredCount();
    long GetExpectedBytes();
    int SelectFirstFile();
    int ReadFileInfo(std::string& info);
    int NextFile();
    int RecallItem(int index);
    const std::string& GetSsaBandwidth();
    int SetSsaBandwidth(int value);
    int Run();
    int Stop();
    int PurgeAllData();
    double GetParam207();
    int SetParam207(double value);

    // Repeats the run-state query until the instrument is idle, at most
    // kIdleLimitSeconds; NOT_IDLE when it never is.
    int WaitIdle();
    int WaitReady();
    // Breaks, sync and "R1" until the maker answers, then the rate change.
    void Connect(int baud);

    // Downloads (XMODEM).
    int StartDownload(DownloadMonitor* monitor);
    int RunDownload(const std::string& fileName);
    void CancelDownload();
    void SendCancel();

    int GetLastResult() const { return lastResult_; }
    const std::string& GetLastErrorReply() const { return lastErrorReply_; }
    const std::string& GetReply() const { return reply_; }
    SerialPort* GetPort() const { return port_; }

    static constexpr int kIdleLimitSeconds = 60;
    static constexpr size_t kErrorReplyMax = 51;

private:
    std::string GetTimeText(int number);
    int Query(const std::string& command, std::string& reply, int max, int timeout);
    void SetLastErrorReply(const std::string& text);

    std::string lastErrorReply_;
    std::string command_;
    int lastResult_ = 0;
    std::string reply_;
    std::string serialNumber_;
    std::string firmwareRevision_;
    std::string identification_;
    std::string applicationName_;
    std::string activeSetupName_;
    SerialPort* port_ = nullptr;
    std::unique_ptr<XmodemReceiver> receiver_;
    std::string ssaBandwidth_;
};
