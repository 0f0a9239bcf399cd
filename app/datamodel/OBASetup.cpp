#include "OBASetup.h"

namespace {
constexpr size_t kIntervalFlags = 42;
constexpr size_t kBandwidth = 87;
constexpr size_t kAcOutFilter = 89;
constexpr size_t kRange = 91;
constexpr size_t kScanMode = 98;
constexpr size_t kProfile = 99;
constexpr int kOctaveCode = 3;
constexpr int kThirdOctaveCode = 4;
}  // namespace

int OBASetup::IsIntervalAutoStop() const { return Flag(kIntervalFlags, 0x10); }
void OBASetup::SetIntervalAutoStop(int on) { SetFlagIfOne(kIntervalFlags, 0x10, on); }
int OBASetup::IsIntervalTimeSync() const { return Flag(kIntervalFlags, 0x20); }
void OBASetup::SetIntervalTimeSync(int on) { SetFlagIfOne(kIntervalFlags, 0x20, on); }
int OBASetup::IsIntervalsEnabled() const { return Flag(kIntervalFlags, 0x80); }
void OBASetup::SetIntervalsEnabled(int on) { SetFlagIfOne(kIntervalFlags, 0x80, on); }

int OBASetup::GetBandwidth() const
{
    int code = Byte(kBandwidth);
    if (code == kOctaveCode)
        return 0;
    return code == kThirdOctaveCode ? 1 : code;
}

void OBASetup::SetBandwidth(int index)
{
    SetByte(kBandwidth, index == 1 ? kThirdOctaveCode : kOctaveCode);
}

int OBASetup::GetAcOutFilter() const { return Choice(kAcOutFilter, 2, 0); }
void OBASetup::SetAcOutFilter(int filter) { SetByte(kAcOutFilter, filter); }
int OBASetup::GetRange() const { return Choice(kRange, 3, 0); }
void OBASetup::SetRange(int range) { SetChoice(kRange, range, 2, 0); }
int OBASetup::GetScanMode() const { return Choice(kScanMode, 3, 0); }
void OBASetup::SetScanMode(int mode) { SetChoice(kScanMode, mode, 2, 0); }
int OBASetup::GetProfile() const { return Choice(kProfile, 4, 0); }
void OBASetup::SetProfile(int profile) { SetChoice(kProfile, profile, 3, 0); }
