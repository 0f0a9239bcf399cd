#include "DirectionText.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ISMSetup.h"
#include "ReportWriter.h"
#include "SettingsWriterSupport.h"
#include "TableWriterSupport.h"

namespace {

constexpr int kProfileColumns = 128;
// The first samples of a profile are written even when 0.
constexpr int kProfileAlwaysWritten = 11;
// The profile column headings count from this sample position.
constexpr int kFirstProfileHeading = -9;

// Samples of the event's level profile that the row shows: 0 to 10 always,
// then up to the first 0.
int ProfileLength(const EventRec& event)
{
    int length = kProfileAlwaysWritten;
    while (length < kProfileColumns && event.GetProfileByte(length) != 0)
        ++length;
    return length;
}

}  // namespace

int ReportWriter::WriteExceedanceHistory(std::ostream& out, ExportFormat format, const EventRecMgr& events,
                                         const RecordView& setup)
{
    if (!Usable(out) || events.GetCount() <= 0)
        return 1;
    const bool text = IsText(format);
    const bool hasSetup = !setup.IsEmpty();
    std::string weighting;
    std::string peakWeighting;
    std::string detector;
    std::string peakHeading;
    if (hasSetup) {
        LOGSetup::FreqWeightingText(setup.U8(LogSetupFields::kFreqWeighting), weighting);
        LOGSetup::WeightingText(setup.U8(LogSetupFields::kPeak1Weighting), peakWeighting);
        ISMSetup::GetDetectorText(setup.U8(LogSetupFields::kDetector), detector);
        peakHeading = "dB" + peakWeighting.substr(0, 1);
    }
    const std::string windUnits = setup.Text(LogSetupFields::kWindUnits, LogSetupFields::kWindUnitsLength);
    const bool wind = events.windLayout;

    if (text) {
        SetLeft(out);
        SetFixed(out);
    }
    SettingValueLine(out, text, "Weighting:", weighting);
    SettingValueLine(out, text, "Peak Weighting:", peakWeighting);
    SettingValueLine(out, text, "Detector:", detector);
    out << std::endl;

    // The time-history period is the stream's own number: one decimal in
    // the text layout, three in CSV, whatever the writer before left.
    SetFixed(out);
    out.precision(text ? 1 : 3);
    CellLine heading(out, text);
    heading.AlignLeft().Cell(12, "Rec #").Cell(12, "Date").Cell(10, "Time").Cell(12, "Duration").AlignRight();
    heading.Cell(10, "Leq").Cell(10, "SEL").Cell(10, "Max").Cell(10, "Peak").Cell(14, "Pk Excd Count");
    heading.Cell(10, peakHeading).Cell(10, "Sym").Cell(10, "Overloads").Cell(10, "Th Period");
    if (wind) {
        heading.Cell(12, "Wnd Max (" + windUnits + ")").TextOnly(10, "Wind Dir").CsvOnly("Max Wind Dir");
    }
    heading.Cell(10, "Profile >");
    for (int i = 0; i < kProfileColumns; ++i)
        heading.Cell(7, kFirstProfileHeading + i);
    heading.AlignLeft().End();

    const float windScale = setup.F32(LogSetupFields::kWindScale);
    const int directionUnits = setup.U8(LogSetupFields::kDirectionUnits);
    for (int i = 0; i < events.GetCount(); ++i) {
        const EventRec* event = events.GetAt(i);
        if (event == nullptr)
            continue;
        CellLine row(out, text);
        row.AlignLeft()
            .Cell(12, RecordNumber(event->GetRecordNumber()))
            .Cell(12, DateText(event->GetStartTime()))
            .Cell(10, ClockText(event->GetStartTime()))
            .Cell(12, DurationText(event->GetDuration()))
            .AlignRight();
        row.Cell(10, LevelText(event->GetLeq()))
            .Cell(10, LevelText(event->GetSel()))
            .Cell(10, LevelText(event->GetMax()))
            .Cell(10, LevelText(event->GetPeak()))
            .Cell(14, Count16(event->GetPeakExcdCount()))
            .Cell(10, LevelText(event->GetPeakWeightingLevel()))
            .Cell(10, FormatFixed(event->GetSymValue(), 1))
            .Cell(10, Count16(event->GetOverloads()))
            .Cell(10, event->GetThPeriod());
        if (wind) {
            // Without the setup record there is no scale or unit to show the
            // wind in: the cells stay empty.
            const int direction = static_cast<int16_t>(event->GetMaxWindDir());
            row.Cell(12, hasSetup ? FormatFixed(event->GetMaxWind() * windScale, 1) : std::string())
                .Cell(10, hasSetup ? FormatDirectionText(direction, directionUnits) : std::string());
        }
        row.Cell(10, " ");
        const int samples = ProfileLength(*event);
        for (int s = 0; s < samples; ++s)
            row.Cell(7, event->GetProfileByte(s));
        row.AlignLeft().End();
    }
    return 1;
}
