#include "BandNames.h"
#include "DirectionText.h"
#include "HistogramStats.h"
#include "KeptRecordFields.h"
#include "ReportWriter.h"
#include "SSASetup.h"
#include "SettingsWriterSupport.h"
#include "TALSetup.h"
#include "TableWriterSupport.h"

namespace {

// SSA interval histograms count 8 samples a second.
constexpr int kSsaCountsPerSecond = 8;
constexpr int kThirdOctaves = 33;
constexpr int kOctaves = 11;
constexpr int kLnCount = 6;
constexpr int kBandWidth = 8;
// The group line's lead: one blank more than the 14 columns "Rec #" to
// "Overloads" take (163), so each group label stands one character right
// of its column.
constexpr int kGroupLead = 164;
constexpr int kLeadColumns = 14;

// The band headings, their leading blanks kept in both layouts: the 33
// one-third octaves, or the 11 octaves (octave band k is one-third octave
// band 3k + 1).
void WriteBandHeadings(CellLine& line, bool octaves)
{
    const int count = octaves ? kOctaves : kThirdOctaves;
    for (int band = 0; band < count; ++band)
        line.Cell(kBandWidth, SsaBandShortHeading(octaves ? 3 * band + 1 : band));
}

struct LevelColumn {
    const char* heading;
    float (SSAIntvRec::*level)() const;
};
constexpr LevelColumn kLevelColumns[] = {
    {"Leq", &SSAIntvRec::GetLeq},   {"SEL", &SSAIntvRec::GetSel},       {"LMin", &SSAIntvRec::GetMin},
    {"LMax", &SSAIntvRec::GetMax},  {"UwPk", &SSAIntvRec::GetUwPeak},   {"Peak", &SSAIntvRec::GetPeak},
};
struct CountColumn {
    const char* heading;
    int width;
    unsigned (SSAIntvRec::*count)() const;
};
constexpr CountColumn kCountColumns[] = {
    {"RMS Excd Count", 15, &SSAIntvRec::GetRmsExcdCount},
    {"UwPk Excd Count", 16, &SSAIntvRec::GetUwPkExcdCount},
    {"Peak Excd Count", 16, &SSAIntvRec::GetPeakExcdCount},
    {"Overloads", 10, &SSAIntvRec::GetOverloads},
};

// What the SSA setup record (kind 51) and the choice put on every line.
struct SsaIntervalLayout {
    bool wind;
    bool lnColumns;
    bool spectra;          // interval spectra (choice below 2)
    bool thirdOctave;
    int spectraCode;       // 0 none, 1 at Max, 2 Min of Min
    bool spectralLn;       // the 6 x 33 spectral Ln table (choice 2 with option 2)
    std::string windUnits;
    float windScale;
    int directionUnits;

    SsaIntervalLayout(const SSAIntvRecMgr& intervals, const RecordView& setup, int choice)
        : wind(intervals.windLine),
          lnColumns((setup.U8(SsaSetupFields::kIntervalFlags) & 0x40) != 0),
          spectra(choice < 2),
          thirdOctave(SSASetup::IsBit08Set(setup.U8(SsaSetupFields::kModeFlags)) != 0),
          spectraCode(setup.I16(SsaSetupFields::kIntervalSpectra)),
          spectralLn(choice >= 2 && setup.I16(SsaSetupFields::kSpectralLn) == 2),
          windUnits(setup.Text(SsaSetupFields::kWindUnits, SsaSetupFields::kWindUnitsLength)),
          windScale(setup.F32(SsaSetupFields::kWindScale)),
          directionUnits(setup.U8(SsaSetupFields::kDirectionUnits))
    {
    }
    // The second spectrum (maximum or minimum) of each bandwidth. The setup
    // holds codes 0 to 2; any other code is taken as none on every line, so
    // that headings and values keep to the same columns.
    bool SecondSpectrum() const { return spectraCode == 1 || spectraCode == 2; }
    const char* SecondName() const { return spectraCode == 1 ? "Max" : "Min"; }
};

void WriteSsaIntervalSettings(std::ostream& out, bool text, const RecordView& setup)
{
    if (text) {
        SetLeft(out);
        SetFixed(out);
    }
    const int weighting = static_cast<int8_t>(setup.U8(SsaSetupFields::kWeighting));
    const int detector = static_cast<int8_t>(setup.U8(SsaSetupFields::kDetector));
    const bool fastRta = SSASetup::IsBit04Set(setup.U8(SsaSetupFields::kModeFlags));
    SettingValueLine(out, text, "Weighting:", ValueText(&SSASetup::WeightingText, weighting));
    SettingValueLine(out, text, "Peak Weighting:",
                     ValueText(&SSASetup::Peak1WeightingText, setup.U8(SsaSetupFields::kPeak1Weighting)));
    SettingValueLine(out, text, "Detector:", ValueText(&TALSetup::DetectorText, detector));
    SettingValueLine(out, text, "RTA Detector:", fastRta ? "Fast" : "Slow");
    out << std::endl;
}

// A run of the same cell.
template <class T>
void Repeat(CellLine& line, int count, int width, const T& item)
{
    for (int i = 0; i < count; ++i)
        line.Cell(width, item);
}

// The record line's spectrum or spectral Ln cells.
void WriteSpectrumCells(CellLine& line, const SsaIntervalLayout& layout, const SSAIntvRec& rec)
{
    if (layout.spectralLn) {
        for (int ln = 0; ln < kLnCount; ++ln)
            for (int band = 0; band < kThirdOctaves; ++band)
                line.Cell(kBandWidth, LevelText(rec.GetBandLn(ln, band)));
        return;
    }
    if (!layout.spectra)
        return;
    if (layout.thirdOctave) {
        for (int band = 0; band < kThirdOctaves; ++band)
            line.Cell(kBandWidth, LevelText(rec.GetThirdOctave1(band)));
        if (layout.SecondSpectrum())
            for (int band = 0; band < kThirdOctaves; ++band)
                line.Cell(kBandWidth, LevelText(rec.GetThirdOctave2(band)));
    }
    for (int band = 0; band < kOctaves; ++band)
        line.Cell(kBandWidth, LevelText(rec.GetOctave1(band)));
    if (layout.SecondSpectrum())
        for (int band = 0; band < kOctaves; ++band)
            line.Cell(kBandWidth, LevelText(rec.GetOctave2(band)));
}

void WriteSsaIntervalLine(std::ostream& out, bool text, const SsaIntervalLayout& layout, const SSAIntvRec& rec)
{
    CellLine line(out, text);
    line.AlignLeft()
        .Cell(12, RecordNumber(rec.GetRecordNumber()))
        .Cell(12, DateText(rec.GetStartTime()))
        .Cell(10, ClockText(rec.GetStartTime()))
        .Cell(12, DurationText(rec.GetDuration()))
        .AlignRight();
    for (const LevelColumn& column : kLevelColumns)
        line.Cell(10, LevelText((rec.*column.level)()));
    for (const CountColumn& column : kCountColumns)
        line.Cell(column.width, Count16((rec.*column.count)()));
    if (layout.wind) {
        line.Cell(10, FormatFixed(rec.GetWindAverage() * layout.windScale, 1))
            .Cell(10, FormatFixed(rec.GetWindMax() * layout.windScale, 1))
            .Cell(12, FormatDirectionText(rec.GetMaxWindDir(), layout.directionUnits));
    }
    // The Ln levels with two decimals in both layouts: through the stream
    // they would take whatever precision the last Ln table left.
    if (layout.lnColumns)
        for (int i = 0; i < kLnCount; ++i)
            line.Cell(8, FormatFixed(rec.GetLnLevel(i), 2));
    WriteSpectrumCells(line, layout, rec);
    line.AlignLeft().End();
}

}  // namespace

void ReportWriter::WriteSsaIntervalHeadings(std::ostream& out, ExportFormat format, const SSAIntvRecMgr& intervals,
                                            const RecordView& setup, int choice)
{
    if (!Usable(out) || intervals.GetSize() <= 0)
        return;
    const bool text = IsText(format);
    const SsaIntervalLayout layout(intervals, setup, choice);
    const SSAIntvRec* first = intervals.GetAt(0);

    // The group line: what each run of spectrum columns holds.
    CellLine group(out, text);
    if (text) {
        SetFixed(out);
        out.precision(1);
        group.AlignRight().Cell(kGroupLead, "");
    } else {
        out << std::string(kLeadColumns, ',');
    }
    if (layout.wind) {
        group.Cell(10, "Wind Avg.").Cell(10, "Wind Max.").Cell(12, text ? " " : ",");
    }
    if (layout.lnColumns) {
        if (text)
            Repeat(group, kLnCount, 8, " ");
        else
            out << std::string(kLnCount, ',');
    }
    if (layout.spectralLn) {
        if (first != nullptr)
            for (int ln = 0; ln < kLnCount; ++ln)
                Repeat(group, kThirdOctaves, kBandWidth, " L" + FormatFixed(first->GetLnPercent(ln), 2));
    } else if (layout.spectra) {
        const std::string second = layout.SecondName();
        if (layout.thirdOctave) {
            Repeat(group, kThirdOctaves, kBandWidth, "Leq 1/3");
            if (layout.SecondSpectrum())
                Repeat(group, kThirdOctaves, kBandWidth, second + " 1/3");
        }
        Repeat(group, kOctaves, kBandWidth, "Leq 1/1");
        if (layout.SecondSpectrum())
            Repeat(group, kOctaves, kBandWidth, second + " 1/1");
    }
    group.AlignLeft().End();

    // The column line.
    CellLine columns(out, text);
    columns.AlignLeft().Cell(12, "Rec #").Cell(12, "Date").Cell(10, "Time").Cell(12, "Duration").AlignRight();
    for (const LevelColumn& column : kLevelColumns)
        columns.Cell(10, column.heading);
    for (const CountColumn& column : kCountColumns)
        columns.Cell(column.width, column.heading);
    if (layout.wind)
        columns.Cell(10, layout.windUnits).Cell(10, layout.windUnits).Cell(12, "Max Wind Dir");
    if (layout.lnColumns && first != nullptr)
        for (int ln = 0; ln < kLnCount; ++ln)
            columns.Cell(8, "L" + FormatFixed(first->GetLnPercent(ln), 2));
    if (layout.spectralLn) {
        for (int ln = 0; ln < kLnCount; ++ln)
            WriteBandHeadings(columns, false);
    } else if (layout.spectra) {
        const int thirdRuns = layout.thirdOctave ? (layout.SecondSpectrum() ? 2 : 1) : 0;
        for (int run = 0; run < thirdRuns; ++run)
            WriteBandHeadings(columns, false);
        for (int run = 0; run < (layout.SecondSpectrum() ? 2 : 1); ++run)
            WriteBandHeadings(columns, true);
    }
    columns.AlignLeft().End();
}

int ReportWriter::WriteSsaIntervals(std::ostream& out, ExportFormat format, const SSAIntvRecMgr& intervals,
                                    const RecordView& setup, int choice)
{
    if (setup.IsEmpty())
        return 1;
    const bool text = IsText(format);
    // The text layout prints the settings even when there are no intervals.
    if (text)
        WriteSsaIntervalSettings(out, true, setup);
    if (!Usable(out) || intervals.GetSize() <= 0)
        return 1;
    if (!text)
        WriteSsaIntervalSettings(out, false, setup);

    const SsaIntervalLayout layout(intervals, setup, choice);
    for (int i = 0; i < intervals.GetSize(); ++i) {
        const SSAIntvRec* rec = intervals.GetAt(i);
        if (rec == nullptr)
            continue;
        if (i == 0 || intervals.histogram)
            WriteSsaIntervalHeadings(out, format, intervals, setup, choice);
        WriteSsaIntervalLine(out, text, layout, *rec);
        if (intervals.histogram) {
            const auto bins = HistogramBinsOf(*rec);
            WriteLnTableHistogram(out, format, intervals.GetLnTableRowCount(), bins.data(), intervals.baseLevel,
                                  kSsaCountsPerSecond);
            out << std::endl;
        }
    }
    return 1;
}
