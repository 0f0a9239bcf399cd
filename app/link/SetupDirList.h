#pragma once
// The instrument's setup directory as a list of entries, with the commands
// that read and change it, and the two block transfers: streams the
// instrument sends after "Recv Binary!", and packets with CRC16 the program
// sends after "Send Binary!".
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "IDJ46DirRec.h"

class SerialPort;
class BinaryTransferLink;

class SetupDirList {
public:
    enum Result {
        SEND_WRONG_COUNT = -1,
        SEND_NOT_READY = -2,
        SEND_REJECTED = -3,
        INVALID_NAME = -222,
        SETTING_WRONG = -224,
        TRANSFER_SILENT = -226,
    };
    static constexpr size_t kSystemSize = 226;
    static constexpr size_t kSetupSize = IDJ46DirRec::kBlockSize;
    static constexpr size_t kPacketData = 56;

    explicit SetupDirList(SerialPort* port);
    ~SetupDirList();
    SetupDirList(const SetupDirList&) = delete;
    SetupDirList& operator=(const SetupDirList&) = delete;

    // Number of entries read.
    int ReadDirectory(const std::string& pattern = "*.*");
    std::unique_ptr<IDJ46DirRec> LookUpEntry(const std::string& name);
    bool GetEntryFlags(const std::string& name, bool& isProtected, bool& isLocked, bool& isActive);
    int MakeCurrent(const std::string& name, std::string* text = nullptr);
    int DeleteSetup(const std::string& name);
    int LockSetup(const std::string& name, bool lock);
    // Stores a 513-byte setup block under the name and mode it carries.
    int StoreSetup(const uint8_t* block);
    // The 513-byte block into destination; null when it could not be read.
    uint8_t* ReadSetupBlock(const std::string& name, uint8_t* destination);
    // The entry's block, fetched once; null when already loaded or unreadable.
    const uint8_t* GetSetupData(size_t index, uint8_t* destination = nullptr);
    // The 226-byte system settings, read when forced or stale; null while stale.
    const uint8_t* ReadSystemSettings(bool force, uint8_t* destination = nullptr);
    void SetSystemSettings(const uint8_t* block);
    int WriteSystemSettings();
    // Sends data in packets after command; 0 when the instrument took it.
    int BinarySend(const std::string& command, const uint8_t* data, size_t length);
    // One pass of packets after the instrument's ready reply; false when it
    // was cancelled (the calibration restore sends its block this way).
    bool SendPackets(const uint8_t* data, size_t length);
    // After a pass: waits (bounded) for the instrument's verdict, which comes
    // after its answer to the last packet, and with a refusal for the next
    // ready reply behind it. The count of bytes then waiting.
    int AwaitVerdict();

    bool IsProtected(size_t index) const { return index < entries_.size() && entries_[index]->IsProtected(); }
    bool IsLocked(size_t index) const { return index < entries_.size() && entries_[index]->IsLocked(); }
    bool IsActive(size_t index) const { return index < entries_.size() && entries_[index]->IsActive(); }
    size_t GetCount() const { return entries_.size(); }
    IDJ46DirRec* GetAt(size_t index) { return index < entries_.size() ? entries_[index].get() : nullptr; }
    const std::string& GetReplyText() const { return replyText_; }
    // Result of the last entry look-up's command: non-zero when the
    // instrument did not answer, which tells no absent entry.
    int GetLookUpResult() const { return lookUpResult_; }
    bool IsStale() const { return stale_; }

    // The file name a block is stored under: its 8-character name and the
    // extension of its mode.
    static std::string StoreName(const uint8_t* block);
    // Where rejected passes are noted.
    static const char* TraceFile() { return "trace.out"; }

private:
    int CommandResult(int result, bool settingWrongCode = false);
    bool WaitForBytes(int count, int steps, double step);
    void SendCancel();
    void Trace(const char* text);

    std::vector<std::unique_ptr<IDJ46DirRec>> entries_;
    std::array<uint8_t, kSystemSize> system_{};
    bool stale_ = true;
    SerialPort* port_;
    std::string replyText_;
    int lookUpResult_ = 0;
    std::unique_ptr<BinaryTransferLink> transfer_;
};
