#include "DirectionText.h"
#include "HistogramStats.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ReportWriter.h"
#include "SettingsWriterSupport.h"
#include "TableWriterSupport.h"
#include "TimeTexts.h"

namespace {

// Daily histograms count 8 samples a second.
constexpr int kDailyCountsPerSecond = 8;

struct LevelColumn {
    const char* heading;
    float (DailyRec::*level)() const;
    bool peakWeighting;  // the suffix is the Peak-1 weighting letter, else the frequency weighting
};
constexpr LevelColumn kLevelColumns[] = {
    {"Leq", &DailyRec::GetLeq, false},        {"Ldn", &DailyRec::GetLdn, false},   {"CNEL", &DailyRec::GetCnel, false},
    {"Peak", &DailyRec::GetPeak, false},      {"UwPeak", &DailyRec::GetUwPeak, true},
    {"Lmax", &DailyRec::GetLmax, false},      {"Lmin", &DailyRec::GetLmin, false},
};
constexpr int kLevelWidth = 10;

constexpr const char* kSectorHeadings[8] = {"Wind %  N", "Wind % NE", "Wind %  E", "Wind % SE",
                                            "Wind %  S", "Wind % SW", "Wind %  W", "Wind % NW"};
constexpr int kSectorWidth = 10;

struct DailySetup {
    bool present;
    std::string frequencySuffix;
    std::string peakSuffix;
    std::string windUnits;
    float windScale;
    int directionUnits;

    explicit DailySetup(const RecordView& setup)
        : present(!setup.IsEmpty()),
          windUnits(setup.Text(LogSetupFields::kWindUnits, LogSetupFields::kWindUnitsLength)),
          windScale(setup.F32(LogSetupFields::kWindScale)),
          directionUnits(setup.U8(LogSetupFields::kDirectionUnits))
    {
        if (present) {
            LOGSetup::FreqWeightingShortText(setup.U8(LogSetupFields::kFreqWeighting), frequencySuffix);
            LOGSetup::WeightingLetter(setup.U8(LogSetupFields::kPeak1Weighting), peakSuffix);
        }
    }
};

void WriteDailyHeading(std::ostream& out, bool text, bool wind, const DailySetup& setup)
{
    if (text) {
        SetFixed(out);
        out.precision(1);
    }
    CellLine line(out, text);
    line.AlignLeft().Cell(12, "Rec #").Cell(12, "Date").Cell(10, "Time").Cell(12, "Duration").AlignRight();
    for (const LevelColumn& column : kLevelColumns)
        line.Cell(kLevelWidth, column.heading);
    if (wind) {
        // The text headings end in a blank, the CSV ones not.
        const std::string average = "Wind Avg (" + setup.windUnits + ")";
        const std::string maximum = "Wind Max (" + setup.windUnits + ")";
        line.TextOnly(16, average + " ").CsvOnly(average);
        line.TextOnly(16, maximum + " ").CsvOnly(maximum);
        line.TextOnly(13, "Max Wind Dir ").CsvOnly("Max Wind Dir");
        line.TextOnly(18, "Max Wind Time     ").CsvOnly("Max Wind Time");
        line.TextOnly(16, "Excd Thresh (%) ").CsvOnly("Exceed Thresh (%)");
        line.TextOnly(13, "# Wind Exced. ").CsvOnly("# Wind Exced.");
        for (const char* sector : kSectorHeadings)
            line.Cell(kSectorWidth, sector);
    }
    line.AlignLeft().End();
}

void WriteDailyRow(std::ostream& out, bool text, bool wind, const DailySetup& setup, const DailyRec& day)
{
    CellLine line(out, text);
    line.AlignLeft()
        .Cell(12, RecordNumber(day.GetRecordNumber()))
        .Cell(12, DateText(day.GetStartTime()))
        .Cell(10, ClockText(day.GetStartTime()))
        .Cell(12, DurationText(day.GetDuration()))
        .AlignRight();
    for (const LevelColumn& column : kLevelColumns) {
        const std::string& suffix = column.peakWeighting ? setup.peakSuffix : setup.frequencySuffix;
        line.Cell(kLevelWidth, LevelText((day.*column.level)()) + " dB" + suffix);
    }
    if (wind) {
        line.Cell(16, FormatFixed(day.GetWindAverage() * setup.windScale, 1))
            .Cell(16, FormatFixed(day.GetWindMax() * setup.windScale, 1))
            .Cell(13, FormatDirectionText(day.GetMaxWindDir(), setup.directionUnits))
            .Cell(18, NumericDateTimeText(day.GetMaxWindTime()))
            .Cell(16, day.GetWindAbovePercent())
            .Cell(13, day.GetWindExceedances());
        for (int sector = 0; sector < 8; ++sector)
            line.Cell(kSectorWidth, day.GetWindDirectionPercent(sector));
    }
    line.End();
}

}  // namespace

int ReportWriter::WriteDailyHistory(std::ostream& out, ExportFormat format, const DayRecMgr& days,
                                   const RecordView& setup)
{
    if (!Usable(out) || days.GetSize() <= 0)
        return 1;
    const bool text = IsText(format);
    const DailySetup daily(setup);
    const bool wind = days.wind && daily.present;
    for (int i = 0; i < days.GetSize(); ++i) {
        const DailyRec* day = days.GetAt(i);
        if (day == nullptr)
            continue;
        // With Ln tables every day gets its own heading above its row.
        if (i == 0 || days.histogram)
            WriteDailyHeading(out, text, wind, daily);
        WriteDailyRow(out, text, wind, daily, *day);
        if (days.histogram) {
            const auto bins = HistogramBinsOf(*day);
            WriteLnTableHistogram(out, format, days.GetLnTableRowCount(), bins.data(), days.baseLevel, kDailyCountsPerSecond);
        }
    }
    return 1;
}
