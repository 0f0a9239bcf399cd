#include "MeasurementSetup.h"

#include <algorithm>
#include <cmath>

#include "MeasurementSetupFields.h"
#include "SetupBlock.h"

namespace {
using namespace MeasurementSetupFields;

constexpr int kUnchanged = -1;  // SetChoice fallback: leave the byte as it is
// The TWA and exceedance levels in whole dB: the instrument's editor accepts
// up to 998 and the block keeps the low byte.
constexpr int kMaxDbEntry = 998;

bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
}  // namespace

// Byte 41.
int MeasurementSetup::GetRtaDetectorFast() const { return Flag(kModeFlags, 0x04); }
void MeasurementSetup::SetRtaDetectorFast(int fast) { SetFlagIfOne(kModeFlags, 0x04, fast); }
int MeasurementSetup::GetThirdOctave() const { return Flag(kModeFlags, 0x08); }
void MeasurementSetup::SetThirdOctave(int third) { SetFlagIfOne(kModeFlags, 0x08, third); }

// Byte 42.
int MeasurementSetup::GetStoreCompleteHistogram() const { return Flag(kIntervalFlags, 0x01); }
void MeasurementSetup::SetStoreCompleteHistogram(int on) { SetFlagIfOne(kIntervalFlags, 0x01, on); }
int MeasurementSetup::GetIntervalAutoStop() const { return Flag(kIntervalFlags, 0x10); }
void MeasurementSetup::SetIntervalAutoStop(int on) { SetFlagIfOne(kIntervalFlags, 0x10, on); }
int MeasurementSetup::GetIntervalTimeSync() const { return Flag(kIntervalFlags, 0x20); }
void MeasurementSetup::SetIntervalTimeSync(int on) { SetFlagIfOne(kIntervalFlags, 0x20, on); }
int MeasurementSetup::GetIntervalLnSave() const { return Flag(kIntervalFlags, 0x40); }
void MeasurementSetup::SetIntervalLnSave(int on) { SetFlagIfOne(kIntervalFlags, 0x40, on); }
int MeasurementSetup::GetIntervalHistoryEnabled() const { return Flag(kIntervalFlags, 0x80); }
void MeasurementSetup::SetIntervalHistoryEnabled(int on) { SetFlagIfOne(kIntervalFlags, 0x80, on); }

// Byte 46.
int MeasurementSetup::GetCalTone() const { return MaskedBits(kOutputFlags, 0x01); }
void MeasurementSetup::SetCalTone(int on) { SetFlagIfNonZero(kOutputFlags, 0x01, on); }
int MeasurementSetup::GetHeater() const { return MaskedBits(kOutputFlags, 0x02); }
void MeasurementSetup::SetHeater(int on) { SetFlagIfNonZero(kOutputFlags, 0x02, on); }
int MeasurementSetup::GetPulseTrigVoltage() const { return MaskedBits(kOutputFlags, 0x04); }
void MeasurementSetup::SetPulseTrigVoltage(int on) { SetFlagIfNonZero(kOutputFlags, 0x04, on); }
int MeasurementSetup::GetPulseSourceExt() const { return MaskedBits(kOutputFlags, 0x08); }
void MeasurementSetup::SetPulseSourceExt(int on) { SetFlagIfNonZero(kOutputFlags, 0x08, on); }

// Byte 47.
int MeasurementSetup::GetLnEnabled() const { return Flag(kStoreFlags, 0x02); }
void MeasurementSetup::SetLnEnabled(int on) { SetFlagIfOne(kStoreFlags, 0x02, on); }
int MeasurementSetup::GetThResolution() const { return Flag(kStoreFlags, 0x04); }
void MeasurementSetup::SetThResolution(int index) { SetFlagIfOne(kStoreFlags, 0x04, index); }
int MeasurementSetup::GetTimeHistoryEnabled() const { return Flag(kStoreFlags, 0x08); }
void MeasurementSetup::SetTimeHistoryEnabled(int on) { SetFlagIfOne(kStoreFlags, 0x08, on); }
int MeasurementSetup::GetDailyAutoCalCheck() const { return Flag(kStoreFlags, 0x10); }
void MeasurementSetup::SetDailyAutoCalCheck(int on) { SetFlagIfOne(kStoreFlags, 0x10, on); }
int MeasurementSetup::GetDailyStoreHistogram() const { return Flag(kStoreFlags, 0x20); }
void MeasurementSetup::SetDailyStoreHistogram(int on) { SetFlagIfOne(kStoreFlags, 0x20, on); }
int MeasurementSetup::GetDailyHistoryEnabled() const { return Flag(kStoreFlags, 0x40); }
void MeasurementSetup::SetDailyHistoryEnabled(int on) { SetFlagIfOne(kStoreFlags, 0x40, on); }
int MeasurementSetup::GetDailyLnEnabled() const { return Flag(kStoreFlags, 0x80); }
void MeasurementSetup::SetDailyLnEnabled(int on) { SetFlagIfOne(kStoreFlags, 0x80, on); }

// Byte 48.
int MeasurementSetup::GetExceedanceTrigger() const { return Flag(kExceedanceFlags, 0x10); }
int MeasurementSetup::GetEndLogic() const { return Flag(kExceedanceFlags, 0x10); }
void MeasurementSetup::SetEndLogic(int high) { SetFlagIfOne(kExceedanceFlags, 0x10, high); }
int MeasurementSetup::GetExceedanceTime() const { return Flag(kExceedanceFlags, 0x20); }
void MeasurementSetup::SetExceedanceTime(int maximum) { SetFlagIfOne(kExceedanceFlags, 0x20, maximum); }
int MeasurementSetup::GetExceedanceThEnabled() const { return Flag(kExceedanceFlags, 0x40); }
int MeasurementSetup::GetTriggerLogic() const { return Flag(kExceedanceFlags, 0x40); }
void MeasurementSetup::SetTriggerLogic(int high) { SetFlagIfOne(kExceedanceFlags, 0x40, high); }
int MeasurementSetup::GetExceedanceHistoryEnabled() const { return Flag(kExceedanceFlags, 0x80); }
void MeasurementSetup::SetExceedanceHistoryEnabled(int on) { SetFlagIfOne(kExceedanceFlags, 0x80, on); }

// Byte 49.
int MeasurementSetup::GetWindTachEnabled() const { return MaskedBits(kWindFlags, 0x40); }
void MeasurementSetup::SetWindTachEnabled(int on) { SetFlagIfNonZero(kWindFlags, 0x40, on); }
int MeasurementSetup::GetWindyPause() const { return MaskedBits(kWindFlags, 0x80); }
void MeasurementSetup::SetWindyPause(int on) { SetFlagIfNonZero(kWindFlags, 0x80, on); }

// TAL run time.
int MeasurementSetup::GetRunTimeHours() const { return Clock(kRunTime, 99); }
int MeasurementSetup::GetRunTimeMinutes() const { return Clock(kRunTime + 1, 59); }
int MeasurementSetup::GetRunTimeSeconds() const { return Clock(kRunTime + 2, 59); }
void MeasurementSetup::SetRunTime(int h, int m, int s) { SetBytes3(kRunTime, h, m, s); }

// Time-weighted average.
int MeasurementSetup::GetExchangeRate() const { return Choice(kExchangeRate, 5, 0); }
void MeasurementSetup::SetExchangeRate(int index) { SetByte(kExchangeRate, index); }
int MeasurementSetup::GetThreshold() const { return Byte(kThreshold); }
void MeasurementSetup::SetThreshold(int db) { SetChoice(kThreshold, db, kMaxDbEntry, 80); }
int MeasurementSetup::GetCriterionLevel() const { return Byte(kCriterionLevel); }
void MeasurementSetup::SetCriterionLevel(int db) { SetChoice(kCriterionLevel, db, kMaxDbEntry, 90); }
int MeasurementSetup::GetOverallExchangeRate() const { return Choice(kOverallExchangeRate, 5, 0); }
void MeasurementSetup::SetOverallExchangeRate(int index) { SetByte(kOverallExchangeRate, index); }
int MeasurementSetup::GetOverallThreshold() const { return Byte(kOverallThreshold); }
void MeasurementSetup::SetOverallThreshold(int db) { SetChoice(kOverallThreshold, db, kMaxDbEntry, 90); }
int MeasurementSetup::GetOverallCriterionLevel() const { return Byte(kOverallCriterionLevel); }
void MeasurementSetup::SetOverallCriterionLevel(int db)
{
    SetChoice(kOverallCriterionLevel, db, kMaxDbEntry, 90);
}
int MeasurementSetup::GetCriterionTime() const { return Byte(kCriterionTime); }
void MeasurementSetup::SetCriterionTime(int hours) { SetChoice(kCriterionTime, hours, 98, 8); }

// Sound level meter.
int MeasurementSetup::GetDetector() const { return Choice(kDetector, 3, 0); }
void MeasurementSetup::SetDetector(int detector) { SetByte(kDetector, detector); }
int MeasurementSetup::GetFreqWeighting() const { return Choice(kFreqWeighting, 3, 0); }
void MeasurementSetup::SetFreqWeighting(int weighting) { SetByte(kFreqWeighting, weighting); }
int MeasurementSetup::GetAcOutput() const { return Byte(kAcOutput); }
void MeasurementSetup::SetAcOutput(int routing) { SetByte(kAcOutput, routing); }
int MeasurementSetup::GetPeak1Weighting() const { return Choice(kPeak1Weighting, 3, 0); }
void MeasurementSetup::SetPeak1Weighting(int weighting) { SetChoice(kPeak1Weighting, weighting, 2, 0); }
int MeasurementSetup::GetRange() const { return Choice(kRange, 3, 0); }
void MeasurementSetup::SetRange(int range) { SetChoice(kRange, range, 2, 0); }
int MeasurementSetup::GetGain() const { return Choice(kGain, 9, 0); }
void MeasurementSetup::SetGain(int code) { SetChoice(kGain, code, 8, 2); }

int MeasurementSetup::GetRtaWeighting() const
{
    // The field came with block format 4; older blocks mean flat.
    return GetVersion() < 4 ? 2 : Choice(kRtaWeighting, 3, 2);
}

void MeasurementSetup::SetRtaWeighting(int weighting)
{
    if (GetVersion() >= 4)
        SetByte(kRtaWeighting, weighting);
}

// Intervals.
int MeasurementSetup::GetIntervalExchangeRate() const { return Byte(kIntervalExchangeRate); }
void MeasurementSetup::SetIntervalExchangeRate(int index) { SetChoice(kIntervalExchangeRate, index, 3, 0); }
int MeasurementSetup::GetIntervalThreshold() const { return Byte(kIntervalThreshold); }
void MeasurementSetup::SetIntervalThreshold(int db) { SetChoice(kIntervalThreshold, db, 255, 80); }
int MeasurementSetup::GetRtaRunTimeSeconds() const { return GetIntervalSeconds(); }
void MeasurementSetup::SetRtaRunTime(int h, int m, int s) { SetIntervalPeriod(h, m, s); }
int MeasurementSetup::GetSpectra() const { return Choice(kSpectra, 3, 0); }
void MeasurementSetup::SetSpectra(int choice) { SetByte(kSpectra, choice); }
int MeasurementSetup::GetSpectralLn() const { return Byte(kSpectralLn); }
void MeasurementSetup::SetSpectralLn(int index) { SetByte(kSpectralLn, index); }

// Ln percentiles.
namespace {
// Offset of Ln percentile index (0 standing for 1); 0 for a bad index.
size_t LnOffset(int index)
{
    if (index < 0 || index > 6)
        return 0;
    return kLn1 + 2 * static_cast<size_t>(std::max(index, 1) - 1);
}
}  // namespace

float MeasurementSetup::GetLn(int index) const
{
    size_t offset = LnOffset(index);
    return offset ? Level(offset) : 0.0f;
}

void MeasurementSetup::SetLn(int index, float percent)
{
    if (size_t offset = LnOffset(index))
        SetLevel(offset, percent);
}

// LOG exceedances.
float MeasurementSetup::GetSplExceedanceLevel1() const { return Level(kSplExceedanceLevel1); }
void MeasurementSetup::SetSplExceedanceLevel1(float db) { SetLevel(kSplExceedanceLevel1, db); }
int MeasurementSetup::GetPeak2ExceedanceLevel() const { return Byte(kPeak2ExceedanceLevel); }
void MeasurementSetup::SetPeak2ExceedanceLevel(int db)
{
    SetChoice(kPeak2ExceedanceLevel, db, kMaxDbEntry, kUnchanged);
}
int MeasurementSetup::GetPeak1ExceedanceLevel() const { return Byte(kPeak1ExceedanceLevel); }
void MeasurementSetup::SetPeak1ExceedanceLevel(int db)
{
    SetChoice(kPeak1ExceedanceLevel, db, kMaxDbEntry, kUnchanged);
}
int MeasurementSetup::GetExceedanceHysteresis() const { return Byte(kExceedanceHysteresis); }
void MeasurementSetup::SetExceedanceHysteresis(int db) { SetChoice(kExceedanceHysteresis, db, 9, 2); }

// Wind.
float MeasurementSetup::GetWindScale() const
{
    const uint8_t* p = Field(kWindScale, 3);
    return p ? static_cast<float>(SetupBlock::Get24(p)) : 0.0f;
}

void MeasurementSetup::SetWindScale(float scale)
{
    if (uint8_t* p = Field(kWindScale, 3))
        SetupBlock::Set24Rounded(p, scale);
}

std::string MeasurementSetup::GetWindUnits() const
{
    const uint8_t* p = Field(kWindUnits, kWindUnitsLength);
    return p ? SetupBlock::GetRawText(p, kWindUnitsLength) : std::string();
}

void MeasurementSetup::SetWindUnits(const std::string& units)
{
    for (size_t i = 0; i < kWindUnitsLength; ++i) {
        char c = i < units.size() ? units[i] : ' ';
        SetByte(kWindUnits + i, IsAsciiLetter(c) ? c : ' ');
    }
}

int MeasurementSetup::WindValue(size_t offset, size_t length) const
{
    int raw = length == 2 ? Count16(offset) : Byte(offset);
    return static_cast<int>(std::lround(raw * static_cast<double>(GetWindScale())));
}

void MeasurementSetup::SetWindValue(size_t offset, size_t length, int value)
{
    // A blank block has a scale of 0: then there is nothing to convert with.
    double scale = GetWindScale();
    if (!(scale > 0.0))
        return;
    if (length == 1) {
        SetByte(offset, static_cast<int>(std::clamp(std::lround(value / scale), 0L, 255L)));
        return;
    }
    double raw = std::clamp(value / scale, 0.0, 65535.0);
    int high = static_cast<int>(raw / 256.0);
    long low = std::lround(raw - 256.0 * high);
    if (low > 255) {
        low = 0;
        ++high;
    }
    SetByte(offset, high);
    SetByte(offset + 1, static_cast<int>(low));
}

int MeasurementSetup::GetWindyThreshold() const { return WindValue(kWindyThreshold, 2); }
void MeasurementSetup::SetWindyThreshold(int value) { SetWindValue(kWindyThreshold, 2, value); }
int MeasurementSetup::GetWindExceedanceLevel() const { return WindValue(kWindExceedanceLevel, 2); }
void MeasurementSetup::SetWindExceedanceLevel(int value) { SetWindValue(kWindExceedanceLevel, 2, value); }
int MeasurementSetup::GetWindyHysteresis() const { return WindValue(kWindyHysteresis, 1); }
void MeasurementSetup::SetWindyHysteresis(int value) { SetWindValue(kWindyHysteresis, 1, value); }
int MeasurementSetup::GetDirectionUnits() const { return Byte(kDirectionUnits); }
void MeasurementSetup::SetDirectionUnits(int units) { SetByte(kDirectionUnits, units); }

// Time history.
int MeasurementSetup::GetOtherLevel() const { return Choice(kOtherLevel, 5, 0); }
void MeasurementSetup::SetOtherLevel(int code) { SetChoice(kOtherLevel, code, 4, 0); }
void MeasurementSetup::SetOtherLevelAdvanced() { SetByte(kOtherLevel, 4); }
int MeasurementSetup::GetTimeHistoryPeriod() const { return Byte(kTimeHistoryPeriod); }
void MeasurementSetup::SetTimeHistoryPeriod(int count)
{
    SetByte(kTimeHistoryPeriod, count >= 999 ? 60 : count);
}
int MeasurementSetup::GetTimeHistoryPeriodUnit() const { return Byte(kTimeHistoryPeriodUnit); }
void MeasurementSetup::SetTimeHistoryPeriodUnit(int unit) { SetChoice(kTimeHistoryPeriodUnit, unit, 4, 1); }

namespace {
constexpr int kThItemsFirst = static_cast<int>(kThLevelA);
constexpr int kThItemsLast = static_cast<int>(kThLiveF);
}  // namespace

bool MeasurementSetup::IsFlagSet(int offset, int mask) const
{
    return offset >= kThItemsFirst && offset <= kThItemsLast && (Byte(offset) & mask) != 0;
}

void MeasurementSetup::SetThItem(int offset, int mask, int on)
{
    if (offset < kThItemsFirst || offset > kThItemsLast)
        return;
    SetByte(offset, on ? Byte(offset) | mask : Byte(offset) & ~mask);
}

// Print selections and report choices.
bool MeasurementSetup::GetPrintDataReport() const { return Byte(kPrintDataReport) == 1; }
void MeasurementSetup::SetPrintDataReport(int on) { SetByte(kPrintDataReport, on != 0); }
bool MeasurementSetup::GetPrintSetup() const { return Byte(kPrintSetup) == 1; }
void MeasurementSetup::SetPrintSetup(int on) { SetByte(kPrintSetup, on != 0); }
bool MeasurementSetup::GetPrintSplHistogram() const { return Byte(kPrintSplHistogram) == 1; }
void MeasurementSetup::SetPrintSplHistogram(int on) { SetByte(kPrintSplHistogram, on != 0); }
bool MeasurementSetup::GetPrintPeak2Histogram() const { return Byte(kPrintPeak2Histogram) == 1; }
void MeasurementSetup::SetPrintPeak2Histogram(int on) { SetByte(kPrintPeak2Histogram, on != 0); }
bool MeasurementSetup::GetPrintPeak1Histogram() const { return Byte(kPrintPeak1Histogram) == 1; }
void MeasurementSetup::SetPrintPeak1Histogram(int on) { SetByte(kPrintPeak1Histogram, on != 0); }
bool MeasurementSetup::GetPrintTimeHistory() const { return Byte(kPrintTimeHistory) == 1; }
void MeasurementSetup::SetPrintTimeHistory(int on) { SetByte(kPrintTimeHistory, on != 0); }
int MeasurementSetup::GetIntervalReportChoice() const { return Choice(kIntervalReportChoice, 3, 1); }
void MeasurementSetup::SetIntervalReportChoice(int c) { SetChoice(kIntervalReportChoice, c, 2, 1); }
int MeasurementSetup::GetExceedanceReportChoice() const { return Choice(kExceedanceReportChoice, 3, 1); }
void MeasurementSetup::SetExceedanceReportChoice(int c) { SetChoice(kExceedanceReportChoice, c, 2, 1); }
int MeasurementSetup::GetDailyReportChoice() const { return Choice(kDailyReportChoice, 3, 1); }
void MeasurementSetup::SetDailyReportChoice(int c) { SetChoice(kDailyReportChoice, c, 2, 1); }

// More LOG exceedance settings.
int MeasurementSetup::GetMinimumDuration() const { return Byte(kMinimumDuration); }
void MeasurementSetup::SetMinimumDuration(int duration) { SetChoice(kMinimumDuration, duration, 255, 0); }
int MeasurementSetup::GetExceedanceThPeriod() const { return Byte(kExceedanceThPeriod); }
void MeasurementSetup::SetExceedanceThPeriod(int period) { SetByte(kExceedanceThPeriod, period); }
int MeasurementSetup::GetTimedExcdMinutes() const { return DecodeBcd(static_cast<uint8_t>(Byte(kTimedExcdMinutes))); }
void MeasurementSetup::SetTimedExcdMinutes(int minutes)
{
    SetByte(kTimedExcdMinutes, minutes <= 59 ? EncodeBcd(minutes) : 0);
}
int MeasurementSetup::GetTimedExcdSeconds() const { return DecodeBcd(static_cast<uint8_t>(Byte(kTimedExcdSeconds))); }
void MeasurementSetup::SetTimedExcdSeconds(int seconds)
{
    SetByte(kTimedExcdSeconds, seconds <= 59 ? EncodeBcd(seconds) : 0);
}
int MeasurementSetup::GetSplExceedanceLevel2() const { return Byte(kSplExceedanceLevel2); }
void MeasurementSetup::SetSplExceedanceLevel2(int db)
{
    SetChoice(kSplExceedanceLevel2, db, kMaxDbEntry, kUnchanged);
}
int MeasurementSetup::GetLnStartLevel() const { return Byte(kLnStartLevel); }
void MeasurementSetup::SetLnStartLevel(int db) { SetByte(kLnStartLevel, db); }
int MeasurementSetup::GetAvgToneCount() const { return Byte(kAvgToneCount); }
void MeasurementSetup::SetAvgToneCount(int count) { SetChoice(kAvgToneCount, count, 999, 0); }
