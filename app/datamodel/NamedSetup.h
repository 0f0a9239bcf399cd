#pragma once
// A setup with the shared header of the measurement and OBA blocks (format
// version, name, title, lock flag), the timer and interval fields they share,
// and a setup file form of its own.
#include <istream>
#include <ostream>
#include <string>

#include "SetupBlock.h"
#include "SetupObject.h"

class NamedSetup : public SetupObject {
public:
    // The 13-character key of the class's setup file.
    virtual const char* FileKey() const = 0;

    // The block's format version.
    int GetVersion() const { return Byte(SetupBlock::kVersion); }

    // Name (bytes 1-8): at most 8 characters, blank filled.
    void SetName(const std::string& name);
    // The name as stored, up to a zero byte, blanks kept; also cached.
    const std::string& GetNameText();
    // Title (bytes 9-38): at most 30 characters, blank filled.
    void SetTitle(const std::string& title);
    // The title without trailing blanks; also cached.
    const std::string& GetTitle();

    // The lock bit: the setup is locked in the instrument.
    void SetLocked(int locked);
    void SetHeaderFlag(int locked) { SetLocked(locked); }
    int IsLocked() const { return Flag(SetupBlock::kLockByte, SetupBlock::kLockMask); }

    // Timer (the same bytes in the measurement and OBA blocks).
    int GetTimerMode() const;             // 56: 0 off, 1 block, 2 once, 3 twice a day
    void SetTimerMode(int mode);          //   0 to 3, else 0
    void GetRunDate(int& year, int& month, int& day) const;   // 57-59
    void SetRunDate(int year, int month, int day);
    void GetStopDate(int& year, int& month, int& day) const;  // 60-62
    void SetStopDate(int year, int month, int day);
    void GetStartTime1(int& hour, int& minute) const;          // 63-64
    void SetStartTime1(int hour, int minute);
    void GetStopTime1(int& hour, int& minute) const;           // 65-66
    void SetStopTime1(int hour, int minute);
    void GetStartTime2(int& hour, int& minute) const;          // 67-68
    void SetStartTime2(int hour, int minute);
    void GetStopTime2(int& hour, int& minute) const;           // 69-70
    void SetStopTime2(int hour, int minute);

    // Interval period, bytes 100-102: hours above 99, minutes or seconds
    // above 59 read as 0; the setter is unchecked.
    int GetIntervalHours() const;
    int GetIntervalMinutes() const;
    int GetIntervalSeconds() const;
    void SetIntervalPeriod(int hours, int minutes, int seconds);

    // Writes the setup file form (536 bytes). False without a block or when
    // the stream fails.
    bool Serialize(std::ostream& out) const;
    // Loads the block from a stream that stands at its first byte (the body of
    // a setup file or a block from the instrument).
    void Serialize(std::istream& in);

    // The whole setup file form; empty without a block.
    std::vector<uint8_t> FileBytes() const;

protected:
    NamedSetup() = default;
    NamedSetup(const NamedSetup&) = default;
    NamedSetup& operator=(const NamedSetup&) = default;

    void AfterLoad() override;
    // Brings a block of an older format up to date; called on every load
    // before the texts are rebuilt.
    virtual void UpgradeOldBlock() {}

    std::string m_name;
    std::string m_title;
};
