// The interval records of the octave band analyser of a J46 file, under the
// interval settings of its OBA setup record (output kind 33).
#include <cmath>
#include <cstdint>
#include <iomanip>

#include "KeptRecordFields.h"
#include "OBASetup.h"
#include "RecordTexts.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SettingsWriterSupport.h"
#include "SummaryWriterSupport.h"
#include "TimeTexts.h"

namespace {

using namespace ObaSetupFields;

constexpr int kOctaveBandCount = 10;  // 31.5 Hz to 16 kHz: every third band from index 1
constexpr int kThirdOctaveBandCount = 30;

// The four interval settings; all empty without a setup record (the data
// set keeps none for OBA files).
struct IntervalSettings {
    std::string bandwidth;
    std::string period;
    std::string sync;
    std::string autoStop;
};

IntervalSettings ReadSettings(const RecordView& setup)
{
    if (setup.IsEmpty())
        return {};
    const int flags = setup.U8(kIntervalFlags);
    return {ValueText(&OBASetup::GetBandwidthText, setup.U8(kBandwidth)),
            setup.Text(kIntervalPeriod, SetupRecordFields::kPeriodLength), YesNo(flags & 0x20), YesNo(flags & 0x10)};
}

}  // namespace

int ReportWriter::WriteObaIntervals(std::ostream& out, ExportFormat format, const ObaIntvMgr& intervals,
                                    const RecordView& setup)
{
    if (!Usable(out) || intervals.GetCount() < 1)
        return 1;
    const bool text = IsText(format);
    StartSettings(out, format, 1);

    const IntervalSettings settings = ReadSettings(setup);
    CellLine(out, text).Left(22, "OBA Interval Records:").Left(0, intervals.GetCount()).End();
    if (text) {
        CellLine(out, text).Left(12, "Bandwidth").Left(14, "Intv Period").Left(22, "Sync Hours/Minutes").Left(
            12, "Auto Stop").End();
        CellLine(out, text).Left(12, settings.bandwidth).Left(14, settings.period).Left(22, settings.sync).Left(
            12, settings.autoStop).End();
    } else {
        CellLine(out, text).CsvOnly("Bandwidth").CsvOnly("0 " + settings.bandwidth).End();
        CellLine(out, text).CsvOnly("Intv Period").CsvOnly(settings.period).End();
        CellLine(out, text).CsvOnly("Sync Hours/Minutes").CsvOnly(settings.sync).End();
        CellLine(out, text).CsvOnly("Auto Stop").CsvOnly(settings.autoStop).End();
    }
    out << std::endl;

    // The records' own bandwidth decides the bands, whatever the setup says.
    const bool thirdOctaves = intervals.thirdOctave;
    const int bandCount = thirdOctaves ? kThirdOctaveBandCount : kOctaveBandCount;
    const char* unit = thirdOctaves ? " dB 1/3" : " dB 1/1";
    for (int i = 0; i < intervals.GetCount(); ++i) {
        const ObaIntvRec* record = intervals.GetAt(i);
        if (record == nullptr)
            continue;
        std::string duration;
        SecondsToHms(WholeSeconds(record->GetDuration()), duration);
        CellLine(out, text).Left(12, "Rec #").Left(14, "Date").Left(12, "Time").Left(12, "Duration").End();
        CellLine(out, text)
            .Left(12, record->GetRecordNumber())
            .Left(14, DateText(record->GetTime()))
            .Left(12, ClockText(record->GetTime()))
            .Left(12, duration)
            .End();
        out << std::endl;
        CellLine(out, text).Left(12, "Filter").Left(14, "Leq").End();
        for (int b = 0; b < bandCount; ++b) {
            const int band = thirdOctaves ? b : 3 * b + 1;
            const std::string level = std::string(FormatReportNumber(record->GetBandLevel(band), 1, 0)) + unit;
            CellLine(out, text)
                .Right(8, ValueText(&OBASetup::GetBandLabel, band))
                .TextOnly(std::ios::left, 0, "    ")
                .Right(12, level)
                .End();
        }
        CellLine(out, text).AlignLeft().End();
    }
    return 1;
}
