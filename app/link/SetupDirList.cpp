#include "SetupDirList.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "BinaryTransferLink.h"
#include "Clock.h"
#include "GFCrc16.h"
#include "GFTiming.h"
#include "Prompter.h"
#include "SerialPort.h"

namespace {

constexpr uint8_t kStx = 2, kAck = 6, kNak = 21, kCan = 24;
constexpr char kRecvBinary[] = "Recv Binary!";
constexpr char kSendBinary[] = "Send Binary!";
constexpr const char* kExtensions[] = {".SSA", ".ISM", ".LOG", ".ENV", ".RTA", ".FFT", ".AUD", ".TAL", ".VIB"};

bool BeginsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// The transfer waits poll the clock without dispatching window messages.
void Pause(double seconds) { platform::WaitMs(comm::ScaledMs(seconds)); }

}  // namespace

SetupDirList::SetupDirList(SerialPort* port) : port_(port), transfer_(std::make_unique<BinaryTransferLink>(port)) {}

SetupDirList::~SetupDirList() = default;

std::string SetupDirList::StoreName(const uint8_t* block)
{
    std::string name(reinterpret_cast<const char*>(block + 1), 8);
    size_t end = name.find('\0');
    if (end != std::string::npos)
        name.resize(end);
    if (block[39] < 9)
        name += kExtensions[block[39]];
    return name;
}

int SetupDirList::CommandResult(int result, bool settingWrongCode)
{
    replyText_ = transfer_->GetReplyText();
    if (result != 0 || replyText_.empty())
        return result;
    if (settingWrongCode && replyText_ == "WARNING - Setting Wrong")
        return SETTING_WRONG;
    return INVALID_NAME;
}

bool SetupDirList::WaitForBytes(int count, int steps, double step)
{
    // A wait for the instrument's answer: it ends as soon as the bytes are
    // there, after steps × step seconds at most.
    const int64_t end = platform::Clock::NowMs() + comm::AnswerMs(steps * step);
    while (port_->RXCount() < count) {
        const int64_t left = end - platform::Clock::NowMs();
        if (left <= 0)
            return false;
        platform::WaitMs(std::min(comm::ScaledMs(step), left));
    }
    return true;
}

int SetupDirList::ReadDirectory(const std::string& pattern)
{
    entries_.clear();
    if (!port_)
        return 0;
    transfer_->SendFlagCommand(true);
    std::string reply;
    if (transfer_->SendCommand("&I1," + pattern, &reply, 40, 2) != 0 || !BeginsWith(reply, kRecvBinary))
        return 0;
    entries_.clear();
    Pause(1.0);
    uint8_t record[IDJ46DirRec::kRecordSize];
    // The instrument ends the stream with more bytes after the last record;
    // a record is only taken while more than one record's worth waits.
    while (port_->RXCount() > static_cast<int>(sizeof record)) {
        if (port_->ReadBlock(record, sizeof record) != 0)
            break;
        entries_.push_back(std::make_unique<IDJ46DirRec>(record));
        if (port_->RXCount() < static_cast<int>(sizeof record))
            Pause(0.5);
    }
    port_->FlushInput();
    return static_cast<int>(entries_.size());
}

std::unique_ptr<IDJ46DirRec> SetupDirList::LookUpEntry(const std::string& name)
{
    platform::WaitCursor cursor;
    if (!port_ || name.find('*') != std::string::npos)
        return nullptr;
    std::string reply;
    int result = transfer_->SendCommand("&I1," + name, &reply, 15, 1);
    lookUpResult_ = result;
    replyText_ = transfer_->GetReplyText();
    std::unique_ptr<IDJ46DirRec> entry;
    if (result == 0 && BeginsWith(reply, kRecvBinary)) {
        Pause(0.5);
        uint8_t record[IDJ46DirRec::kRecordSize];
        if (port_->RXCount() > static_cast<int>(sizeof record) && port_->ReadBlock(record, sizeof record) == 0)
            entry = std::make_unique<IDJ46DirRec>(record);
    }
    port_->FlushInput();
    return entry;
}

bool SetupDirList::GetEntryFlags(const std::string& name, bool& isProtected, bool& isLocked, bool& isActive)
{
    platform::WaitCursor cursor;
    isProtected = isLocked = isActive = false;
    auto entry = LookUpEntry(name);
    if (!entry)
        return false;
    isProtected = entry->IsProtected();
    isLocked = entry->IsLocked();
    isActive = entry->IsActive();
    return true;
}

int SetupDirList::MakeCurrent(const std::string& name, std::string* text)
{
    std::string reply;
    int result = transfer_->SendCommand("&I2," + name, &reply, 70, 5);
    if (text)
        *text = reply;
    return CommandResult(result, true);
}

int SetupDirList::DeleteSetup(const std::string& name)
{
    return CommandResult(transfer_->SendCommand("&I6," + name, nullptr, 70, 3));
}

int SetupDirList::LockSetup(const std::string& name, bool lock)
{
    return CommandResult(transfer_->SendCommand(std::string("&I") + (lock ? '7' : '8') + "," + name, nullptr, 70, 3));
}

int SetupDirList::StoreSetup(const uint8_t* block)
{
    platform::WaitCursor cursor;
    return BinarySend("&I5," + StoreName(block), block, kSetupSize);
}

uint8_t* SetupDirList::ReadSetupBlock(const std::string& name, uint8_t* destination)
{
    if (!port_ || !destination)
        return nullptr;
    transfer_->SendFlagCommand(true);
    port_->FlushInput();
    std::string reply;
    int result = transfer_->SendCommand("&I4," + name, &reply, 15, 1);
    replyText_ = transfer_->GetReplyText();
    if (result != 0 || !BeginsWith(reply, kRecvBinary))
        return nullptr;
    uint8_t head[4];
    bool ok = WaitForBytes(4, 50, 0.1) && port_->ReadBlock(head, 1) == 0 && head[0] == 1 &&
              port_->ReadBlock(head + 1, 3) == 0 && (head[1] << 8 | head[2]) >= 520;
    std::array<uint8_t, kSetupSize> block{};
    ok = ok && port_->ReadBlock(block.data(), static_cast<int>(block.size())) == 0;
    port_->FlushInput();
    if (!ok)
        return nullptr;
    std::memcpy(destination, block.data(), block.size());
    return destination;
}

const uint8_t* SetupDirList::GetSetupData(size_t index, uint8_t* destination)
{
    IDJ46DirRec* entry = GetAt(index);
    if (!entry || entry->HasBlock())
        return nullptr;
    std::array<uint8_t, kSetupSize> block{};
    if (!ReadSetupBlock(entry->GetName(), block.data()))
        return nullptr;
    entry->Block() = block;
    if (destination)
        std::memcpy(destination, block.data(), block.size());
    return entry->Block().data();
}

const uint8_t* SetupDirList::ReadSystemSettings(bool force, uint8_t* destination)
{
    if ((force || stale_) && port_) {
        transfer_->SendFlagCommand(true);
        port_->FlushInput();
        std::string reply;
        int result = transfer_->SendCommand("&Q2", &reply, 15, 1);
        std::array<uint8_t, 232> frame{};
        if (result != 0 || !BeginsWith(reply, kRecvBinary) || !WaitForBytes(232, 100, 0.1)) {
            platform::AppPrompter().Message("J57 not responding!", platform::Icon::Warning);
            stale_ = true;
        } else if (port_->ReadBlock(frame.data(), 232) != 0) {
            platform::AppPrompter().Message("Could not read System settings!", platform::Icon::Warning);
            stale_ = true;
        } else {
            std::copy_n(frame.begin() + 3, kSystemSize, system_.begin());
            stale_ = false;
        }
        port_->FlushInput();
    }
    if (stale_)
        return nullptr;
    if (destination)
        std::memcpy(destination, system_.data(), kSystemSize);
    return system_.data();
}

void SetupDirList::SetSystemSettings(const uint8_t* block) { std::memcpy(system_.data(), block, kSystemSize); }

int SetupDirList::WriteSystemSettings()
{
    platform::WaitCursor cursor;
    return BinarySend("&S2", system_.data(), kSystemSize);
}

void SetupDirList::SendCancel()
{
    for (int i = 0; i < 3; ++i) {
        uint8_t can = kCan;
        port_->WriteBlock(&can, 1);
        Pause(0.25);
    }
}

void SetupDirList::Trace(const char* text)
{
    std::ofstream trace(TraceFile(), std::ios::app | std::ios::binary);
    trace << text;
}

// One pass of packets. The instrument answers each with 4 bytes: ACK or NAK
// and a packet number. False when the pass was cancelled.
bool SetupDirList::SendPackets(const uint8_t* data, size_t length)
{
    size_t offset = 0, taken = 0;
    int naks = 0;
    uint8_t number = 0;
    std::vector<uint8_t> packet;
    for (;;) {
        uint8_t answer[4];
        if (!WaitForBytes(4, 20, 0.1) || port_->ReadBlock(answer, 4) != 0) {
            SendCancel();
            return false;
        }
        number = answer[1];
        if (answer[0] == kAck) {
            offset += taken;
            if (offset >= length)
                return true;
            number = static_cast<uint8_t>(number + 1);
        } else if (answer[0] == kNak) {
            if (++naks > 10) {
                SendCancel();
                return false;
            }
            if (answer[1] == 0)
                offset = 0;  // the instrument starts over, numbering from 0
            else if (!packet.empty()) {
                port_->FlushBoth();
                port_->WriteBlock(packet.data(), static_cast<int>(packet.size()));
                continue;
            }
        } else {
            SendCancel();
            return false;
        }
        taken = std::min(kPacketData, length - offset);
        packet.assign({kStx, static_cast<uint8_t>(taken + 6), number});
        packet.insert(packet.end(), data + offset, data + offset + taken);
        uint16_t crc = GFCrc16::CalculateBlock(packet.data(), packet.size(), 0);
        packet.push_back(static_cast<uint8_t>(crc >> 8));
        packet.push_back(static_cast<uint8_t>(crc & 0xFF));
        packet.push_back('\r');
        port_->FlushBoth();
        port_->WriteBlock(packet.data(), static_cast<int>(packet.size()));
    }
}

int SetupDirList::AwaitVerdict()
{
    WaitForBytes(4, 20, 0.1);
    Pause(0.1);
    return port_->RXCount();
}

int SetupDirList::BinarySend(const std::string& command, const uint8_t* data, size_t length)
{
    platform::WaitCursor cursor;
    replyText_.clear();
    if (!port_)
        return SEND_NOT_READY;
    port_->FlushBoth();
    std::string reply;
    int result = transfer_->SendCommand(command, &reply, 70, 1);
    if (result != 0 || !BeginsWith(reply, kSendBinary)) {
        replyText_ = transfer_->GetReplyText();
        return result != 0 ? result : SEND_NOT_READY;
    }
    const std::vector<uint8_t> copy(data, data + length);
    Pause(0.5);
    result = TRANSFER_SILENT;
    for (int rejected = 0;;) {
        // The instrument's ready reply: 4 bytes.
        if (!WaitForBytes(4, 20, 0.1))
            break;
        SendPackets(copy.data(), copy.size());
        const int waiting = AwaitVerdict();
        if (waiting < 4 || waiting > 8) {
            port_->FlushInput();
            result = SEND_WRONG_COUNT;
            break;
        }
        uint8_t verdict[4];
        port_->ReadBlock(verdict, 4);
        if (verdict[0] == kAck) {
            result = 0;
            break;
        }
        if (verdict[0] != kNak || port_->RXCount() != 4) {
            port_->FlushInput();
            result = SEND_WRONG_COUNT;
            break;
        }
        Trace("Retry = TRUE\n");
        if (++rejected >= 3) {
            SendCancel();
            result = SEND_REJECTED;
            break;
        }
    }
    replyText_ = transfer_->GetReplyText();
    transfer_->SendFlagCommand(true);
    return result;
}
