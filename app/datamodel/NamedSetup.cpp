#include "NamedSetup.h"

#include "SetupBlock.h"
#include "SetupFile.h"

using namespace SetupBlock;

namespace {
constexpr size_t kTimerMode = 56;
constexpr size_t kRunDate = 57;
constexpr size_t kStopDate = 60;
constexpr size_t kStartTime1 = 63;
constexpr size_t kStopTime1 = 65;
constexpr size_t kStartTime2 = 67;
constexpr size_t kStopTime2 = 69;
constexpr size_t kIntervalPeriod = 100;
}  // namespace

void NamedSetup::SetName(const std::string& name)
{
    if (uint8_t* p = Field(kName, kNameLength)) {
        SetText(p, kNameLength, name);
        m_name = GetText(p, kNameLength);
    }
}

const std::string& NamedSetup::GetNameText()
{
    if (const uint8_t* p = Field(kName, kNameLength))
        m_name = GetRawText(p, kNameLength);
    return m_name;
}

void NamedSetup::SetTitle(const std::string& title)
{
    if (uint8_t* p = Field(kTitle, kTitleLength)) {
        SetText(p, kTitleLength, title);
        m_title = GetText(p, kTitleLength);
    }
}

const std::string& NamedSetup::GetTitle()
{
    if (const uint8_t* p = Field(kTitle, kTitleLength))
        m_title = GetText(p, kTitleLength);
    return m_title;
}

void NamedSetup::SetLocked(int locked)
{
    SetFlagIfOne(kLockByte, kLockMask, locked);
}

int NamedSetup::GetTimerMode() const { return Byte(kTimerMode); }
void NamedSetup::SetTimerMode(int mode) { SetChoice(kTimerMode, mode, 3, 0); }
void NamedSetup::GetRunDate(int& y, int& m, int& d) const { Date(kRunDate, y, m, d); }
void NamedSetup::SetRunDate(int y, int m, int d) { SetDate(kRunDate, y, m, d); }
void NamedSetup::GetStopDate(int& y, int& m, int& d) const { Date(kStopDate, y, m, d); }
void NamedSetup::SetStopDate(int y, int m, int d) { SetDate(kStopDate, y, m, d); }
void NamedSetup::GetStartTime1(int& h, int& m) const { TimeOfDay(kStartTime1, h, m); }
void NamedSetup::SetStartTime1(int h, int m) { SetTimeOfDay(kStartTime1, h, m); }
void NamedSetup::GetStopTime1(int& h, int& m) const { TimeOfDay(kStopTime1, h, m); }
void NamedSetup::SetStopTime1(int h, int m) { SetTimeOfDay(kStopTime1, h, m); }
void NamedSetup::GetStartTime2(int& h, int& m) const { TimeOfDay(kStartTime2, h, m); }
void NamedSetup::SetStartTime2(int h, int m) { SetTimeOfDay(kStartTime2, h, m); }
void NamedSetup::GetStopTime2(int& h, int& m) const { TimeOfDay(kStopTime2, h, m); }
void NamedSetup::SetStopTime2(int h, int m) { SetTimeOfDay(kStopTime2, h, m); }

int NamedSetup::GetIntervalHours() const { return Clock(kIntervalPeriod, 99); }
int NamedSetup::GetIntervalMinutes() const { return Clock(kIntervalPeriod + 1, 59); }
int NamedSetup::GetIntervalSeconds() const { return Clock(kIntervalPeriod + 2, 59); }
void NamedSetup::SetIntervalPeriod(int h, int m, int s) { SetBytes3(kIntervalPeriod, h, m, s); }

std::vector<uint8_t> NamedSetup::FileBytes() const
{
    if (!HasBlock())
        return {};
    return SetupFile::Build(FileKey(), m_block.data(), m_block.size());
}

bool NamedSetup::Serialize(std::ostream& out) const
{
    std::vector<uint8_t> bytes = FileBytes();
    if (bytes.empty())
        return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

void NamedSetup::Serialize(std::istream& in)
{
    std::vector<uint8_t> bytes = SetupFile::ReadUpTo(in);
    Load(bytes.data(), bytes.size());
}

void NamedSetup::AfterLoad()
{
    UpgradeOldBlock();
    m_name = GetText(m_block.data() + kName, kNameLength);
    m_title = GetText(m_block.data() + kTitle, kTitleLength);
}
