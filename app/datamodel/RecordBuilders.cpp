#include "RecordBuilders.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "HistogramOptions.h"
#include "IntOrZero.h"
#include "KeptRecordFields.h"
#include "Profile.h"
#include "StreamedRecordFields.h"

void RecordManagers::RemoveAll()
{
    runStops.RemoveAll();
    intervals.RemoveAll();
    timeHistory.RemoveAll();
    splHistogram.RemoveAll();
    peakHistogram.RemoveAll();
    uwPeakHistogram.RemoveAll();
    snapshots.RemoveAll();
    obaIntervals.RemoveAll();
    obaSums.RemoveAll();
    calibrations.RemoveAll();
    days.RemoveAll();
    events.RemoveAll();
    ssaIntervals.RemoveAll();
}

namespace RecordBuilders {
namespace {
bool Bit(const RecordView& r, size_t offset, int mask)
{
    return (r.U16(offset) & mask) != 0;
}

int BaseLevel(const RecordView& setup, size_t offset)
{
    return setup.IsEmpty() ? kDefaultLnBaseLevel : setup.I16(offset);
}
}  // namespace

void AddRunStopRec(const RecordView& record, int& lineCount, RecordManagers& m)
{
    m.runStops.Add(RSRec(record));
    lineCount += 1;
}

void AddIntervalRec(const RecordView& record, const RecordView& setup, int reportType, int& lineCount,
                    RecordManagers& m)
{
    if (reportType != 7)
        return;
    bool withLn = setup.IsEmpty() || Bit(setup, LogSetupFields::kIntervalFlags, 0x40);
    IntvMgr& mgr = m.intervals;
    const IntvRec& interval = mgr.Add(IntvRec(record, withLn, setup));
    mgr.lnLines = withLn;
    mgr.windLine = !setup.IsEmpty() && Bit(setup, LogSetupFields::kOptionFlags, 0x40);
    mgr.baseLevel = BaseLevel(setup, LogSetupFields::kLnStartLevel);
    mgr.histogram = interval.HasHistogram();
    lineCount += mgr.GetLinesPerRecord();
}

void AddSnapshotRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m)
{
    int subKind = -1;
    if (reportType == 24) {
        switch (record.Kind()) {
        case 66: subKind = SnapRec::kTalSlm; break;
        case 67: subKind = SnapRec::kTalRta; break;
        case 68: subKind = SnapRec::kTalTone; break;
        default: return;
        }
    } else if (reportType == 27) {
        subKind = SnapRec::kFft;
    } else if (reportType == 29) {
        subKind = SnapRec::kAveraged;
    } else {
        return;
    }
    if (const SnapRec* added = m.snapshots.Add(SnapRec(record, subKind)))
        lineCount += added->GetLineCount();
}

void AddObaIntervalRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m)
{
    if (reportType != 12)
        return;
    const ObaIntvRec& interval = m.obaIntervals.Add(ObaIntvRec(record));
    m.obaIntervals.thirdOctave = interval.GetBandwidthFlag() != 0;
    lineCount += m.obaIntervals.GetLinesPerRecord();
}

void AddTimeHistoryRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m)
{
    if (reportType != 8 && reportType != 19 && reportType != 21)
        return;
    m.timeHistory.Add(ThRec::FromTimeHistory(record));
    lineCount += 1;
}

namespace {
// A marker's code as a whole number from 0 to 127 (a damaged value gives 0).
int SmallCode(float value)
{
    return (value >= 0 && value < 128) ? static_cast<int>(value) : 0;
}
}  // namespace

void AddTimeHistoryBlock(const RecordView& record, int reportType, int& lineCount, RecordManagers& m)
{
    if (reportType != 8 && reportType != 19 && reportType != 21)
        return;
    namespace F = ThBlockFields;
    const uint32_t count = std::min(record.U32(F::kCount), F::kMaxEntries);
    const uint32_t blockTime = record.U32(F::kTime);
    const uint16_t site = record.U16(F::kSite);
    const bool secondLevel = record.U16(F::kFormatBits) != 0;
    double interval = record.F32(F::kInterval);
    if (!std::isfinite(interval) || interval < 0)
        interval = 0;
    const ThRec* last = m.timeHistory.GetLast();
    uint32_t number = last ? last->GetRecordNumber() + 1 : 1;
    uint32_t levels = 0;  // level samples before the entry: a marker takes no time
    for (uint32_t i = 0; i < count; ++i) {
        const float first = record.F32(F::kFirstValues + 4 * i);
        const float second = record.F32(F::kSecondValues + 4 * i);
        // Whole seconds, as the kind 57 samples carry them.
        const double at = static_cast<double>(blockTime) + levels * interval;
        const uint32_t time = at < 4294967296.0 ? static_cast<uint32_t>(at) : blockTime;
        if (first > 0) {
            m.timeHistory.Add(ThRec::FromStream(time, number++, site, first, second, secondLevel));
            ++levels;
        } else {
            // A marker holds minus 16 times the run-state code and the cause
            // code; as a run/stop entry it takes the form of a kind 57 one.
            const int state = SmallCode(-first) >> 4;
            m.timeHistory.Add(ThRec::FromStream(time, number++, site, -static_cast<float>(state),
                                                static_cast<float>(SmallCode(second)), false));
        }
        lineCount += 1;
    }
}

void AddSpectrumThRec(const RecordView& record, int reportType, RecordManagers& m)
{
    if (reportType != 30 && reportType != 33)
        return;
    m.timeHistory.Add(ThRec::FromSpectrum(record));
}

void AddCalRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m)
{
    if (reportType != 14)
        return;
    m.calibrations.Add(CalRec(record));
    lineCount += 1;
}

void AddDailyRec(const RecordView& record, const RecordView& setup, int reportType, int& lineCount,
                 RecordManagers& m)
{
    if (reportType != 16)
        return;
    DayRecMgr& mgr = m.days;
    const DailyRec& day = mgr.Add(DailyRec(record));
    mgr.baseLevel = BaseLevel(setup, LogSetupFields::kLnStartLevel);
    mgr.histogram = day.HasHistogram();
    mgr.wind = (day.GetFlags() & 0x08) != 0;
    lineCount += mgr.GetLinesPerRecord();
}

void AddEventRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m)
{
    if (reportType != 17)
        return;
    m.events.windLayout = Bit(record, ExceedanceFields::kFlags, 0x08);
    m.events.Add(EventRec::FromExceedance(record));
    lineCount += 1;
}

void AddRtaEventRec(const RecordView& record, int reportType, int& lineCount, RecordManagers& m)
{
    if (reportType != 30 && reportType != 33)
        return;
    m.events.Add(EventRec::FromRta(record));
    // An event holds 33 bands; with octave data the report narrows the range
    // to 11 and counts again when it draws.
    lineCount += m.events.GetRt60LinesPerEvent(33);
}

void AddSsaIntervalRec(const RecordView& record, const RecordView& setup, int reportType, int& lineCount,
                       RecordManagers& m)
{
    if (reportType != 18)
        return;
    bool hasSetup = !setup.IsEmpty();
    bool withLn = hasSetup && Bit(setup, SsaSetupFields::kIntervalFlags, 0x40);
    bool spectralLn = hasSetup && setup.I16(SsaSetupFields::kSpectralLn) == 2;
    SSAIntvRecMgr& mgr = m.ssaIntervals;
    const SSAIntvRec& interval = mgr.Add(SSAIntvRec(record, withLn, spectralLn, setup));
    mgr.baseLevel = BaseLevel(setup, SsaSetupFields::kLnStartLevel);
    mgr.histogram = interval.HasHistogram();
    if (hasSetup) {
        mgr.windLine = Bit(setup, SsaSetupFields::kOptionFlags, 0x40);
        mgr.lnLines = withLn;
        mgr.thirdOctave = (setup.U8(SsaSetupFields::kModeFlags) & 0x08) != 0;
    }
    lineCount += mgr.GetLinesPerRecord(0);
}

namespace {
// count big-endian 32-bit counts from offset as bins of step dB from base.
void AddBins(const RecordView& record, size_t offset, int count, int base, float step, uint32_t rateFlag,
             HistogramMgr& mgr)
{
    std::vector<uint32_t> counts(static_cast<size_t>(count));
    uint64_t total = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        size_t at = offset + 4 * i;
        counts[i] = (static_cast<uint32_t>(record.U8(at)) << 24) | (static_cast<uint32_t>(record.U8(at + 1)) << 16) |
                    (static_cast<uint32_t>(record.U8(at + 2)) << 8) | record.U8(at + 3);
        total += counts[i];
    }
    mgr.SetBaseLevel(base);
    mgr.SetTotalCount(total > INT32_MAX ? INT32_MAX : static_cast<int>(total));
    float level = static_cast<float>(base);
    for (uint32_t c : counts) {
        float percent = total >= 1 ? static_cast<float>(100.0 * c / static_cast<double>(total)) : 0.0f;
        mgr.AddBin(HistogramRec(level, c, percent, rateFlag));
        level += step;
    }
}

void SetRange(HistogramMgr& mgr, const HistogramOptionSet& options, const platform::Profile& profile)
{
    mgr.SetLevelRange(options.low.Read(profile), options.high.Read(profile));
}
}  // namespace

void SetHistogramRanges(RecordManagers& m)
{
    const platform::Profile& profile = platform::AppProfile();
    SetRange(m.splHistogram, kSplHistogramOptions, profile);
    SetRange(m.peakHistogram, kPeakHistogramOptions, profile);
    SetRange(m.uwPeakHistogram, kUwPeakHistogramOptions, profile);
}

void AddHistograms(const RecordView& record, int reportType, int& lineCount, RecordManagers& m)
{
    if (reportType != 9 && reportType != 10)
        return;
    m.splHistogram.RemoveAll();
    m.peakHistogram.RemoveAll();
    m.uwPeakHistogram.RemoveAll();

    namespace F = HistogramRecordFields;
    int base = IntOrZero(record.F32(F::kBaseLevel));
    uint32_t rateFlag = reportType == 10 ? 1 : 0;
    AddBins(record, F::kSplBins, SplHistMgr::kBins, base, 0.1f, rateFlag, m.splHistogram);
    if ((record.U16(F::kFlags) & F::kPeakHistograms) != 0) {
        AddBins(record, F::kPeakBins, PkHistMgr::kBins, base, 1.0f, rateFlag, m.peakHistogram);
        AddBins(record, F::kUwPeakBins, PkHistMgr::kBins, base, 1.0f, rateFlag, m.uwPeakHistogram);
    } else {
        m.peakHistogram.SetBaseLevel(base);
        m.uwPeakHistogram.SetBaseLevel(base);
    }
    SetHistogramRanges(m);
    lineCount += m.splHistogram.GetTableRowCount() + m.peakHistogram.GetTableRowCount() +
                 m.uwPeakHistogram.GetTableRowCount();
}
}  // namespace RecordBuilders
