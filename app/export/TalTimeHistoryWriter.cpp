#include <iomanip>

#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ReportWriter.h"
#include "SettingsWriterSupport.h"
#include "SetupValueTexts.h"
#include "TableWriterSupport.h"
#include "ThColumns.h"

namespace {

constexpr int kBands = 33;
// The first four text columns: record number, date, time, Leq.
constexpr int kLeadWidth = 9 + 12 + 12 + 6;
constexpr int kColumnWidth = 10;
constexpr int kOtherLevelWidth = 9;
constexpr int kSpectrumTitleTail = 308;

// A detector column of one weighting: which flag byte, which bit, and its
// heading around the weighting letter (text headings are ten characters).
struct DetectorColumn {
    bool secondByte;  // the level comes from the record's second (live) set
    int bit;
    const char* textLead;
    const char* csvLead;
    const char* suffix;
};
constexpr DetectorColumn kDetectorColumns[] = {
    {false, 0x80, "      L", "L", "eq"},     {false, 0x40, "    ", "", "-Peak"},
    {false, 0x20, " ", "", "-MaxSlow"},       {false, 0x10, " ", "", "-MaxFast"},
    {false, 0x08, " ", "", "-MaxImpl"},       {false, 0x04, " ", "", "-MinSlow"},
    {false, 0x02, " ", "", "-MinFast"},       {false, 0x01, " ", "", "-MinImpl"},
    {true, 0x80, " ", "", "-LivSlow"},        {true, 0x40, " ", "", "-LivFast"},
    {true, 0x20, " ", "", "-LivImpl"},
};

// The auxiliary columns after the detector columns of all three weightings.
enum class AuxSource { kA, kF, kC };
struct AuxColumn {
    AuxSource source;  // the flag byte A2, F2 or C2 and the record's reading
    int bit;
    const char* textHeading;
    const char* csvHeading;
    bool level;  // a level through the number formatter, else a plain reading
};
constexpr AuxColumn kAuxColumns[] = {
    {AuxSource::kA, 0x04, "    LAFTM5", "LAFTM5", true},   {AuxSource::kF, 0x04, "      LAIeq", "LAIeq", true},
    {AuxSource::kC, 0x04, "   Battery", "Battery", false}, {AuxSource::kC, 0x02, "    Extern", "Extern", false},
    {AuxSource::kC, 0x01, "      Temp", "Temp", false},
};

constexpr const char* kBandHeadings[kBands] = {
    "12.5Hz",  "16.0 Hz", "20.0 Hz", "25.0 Hz", "31.5 Hz", "40.0 Hz",  "50.0 Hz",  "63.0 Hz",  "80.0 Hz",
    "100 Hz",  "125 Hz",  "160 Hz",  "200 Hz",  "250 Hz",  "315 Hz",   "400 Hz",   "500 Hz",   "630 Hz",
    "800 Hz",  "1000 Hz", "1250 Hz", "1600 Hz", "2000 Hz", "2500 Hz",  "3150 Hz",  "4000 Hz",  "5000 Hz",
    "6300 Hz", "8000 Hz", "10000 Hz", "12500 Hz", "16000 Hz", "20000 Hz",
};

struct Weighting {
    char letter;
    int first;
    int second;
};

struct TalColumns {
    ThColumnFlags flags;
    int otherLevel;

    explicit TalColumns(const RecordView& setup)
        : flags(ThColumnFlags::Read(setup, TalSetupFields::kThFlags)),
          otherLevel(static_cast<int16_t>(setup.U16(TalSetupFields::kOtherLevel)))
    {
    }
    Weighting Weightings(int i) const
    {
        const Weighting all[] = {{'A', flags.a1, flags.a2}, {'C', flags.c1, flags.c2}, {'F', flags.f1, flags.f2}};
        return all[i];
    }
    bool Has(const Weighting& w, const DetectorColumn& c) const
    {
        return IsFlagSet(c.secondByte ? w.second : w.first, c.bit) != 0;
    }
    bool Has(const AuxColumn& c) const
    {
        const int byte = c.source == AuxSource::kA ? flags.a2 : c.source == AuxSource::kF ? flags.f2 : flags.c2;
        return IsFlagSet(byte, c.bit) != 0;
    }
    bool LeqSpectrum() const { return IsFlagSet(flags.f2, 0x02) != 0; }
    bool LiveSpectrum() const { return IsFlagSet(flags.f2, 0x01) != 0; }
    bool Spectrum() const { return LeqSpectrum() || LiveSpectrum(); }
    const char* SpectrumTitle() const { return LeqSpectrum() ? "RTA Leq 1/3 Spectrum" : "RTA Live 1/3 Spectrum"; }
    bool OneOtherLevel() const { return otherLevel >= 1 && otherLevel <= 3; }
    bool Advanced() const { return otherLevel == 4; }
};

std::string DetectorHeading(char letter, const DetectorColumn& column, bool text)
{
    return std::string(text ? column.textLead : column.csvLead) + letter + column.suffix;
}

float AuxValue(const ThRec& rec, const AuxColumn& column)
{
    switch (column.source) {
    case AuxSource::kA: return rec.GetAuxA(column.bit);
    case AuxSource::kF: return rec.GetAuxF(column.bit);
    default: return rec.GetAuxC(column.bit);
    }
}

// The detector and auxiliary headings whose bits are set.
void WriteColumnHeadings(CellLine& line, const TalColumns& columns, bool text)
{
    for (int w = 0; w < 3; ++w) {
        const Weighting weighting = columns.Weightings(w);
        for (const DetectorColumn& column : kDetectorColumns)
            if (columns.Has(weighting, column))
                line.Cell(0, DetectorHeading(weighting.letter, column, text));
    }
    for (const AuxColumn& column : kAuxColumns)
        if (columns.Has(column))
            line.Cell(0, text ? column.textHeading : column.csvHeading);
}

// The detector and auxiliary values whose bits are set; battery, external
// input and temperature are the stream's own numbers (fixed, 1 decimal).
void WriteColumnValues(CellLine& line, const TalColumns& columns, const ThRec& rec)
{
    for (int w = 0; w < 3; ++w) {
        const Weighting weighting = columns.Weightings(w);
        for (const DetectorColumn& column : kDetectorColumns) {
            if (!columns.Has(weighting, column))
                continue;
            if (!rec.HasDetectorLevels()) {
                line.Cell(kColumnWidth, std::string());
                continue;
            }
            const float level = column.secondByte ? rec.GetDetectorLevel2(column.bit, weighting.letter)
                                                  : rec.GetDetectorLevel(column.bit, weighting.letter);
            line.Cell(kColumnWidth, LevelText(level));
        }
    }
    for (const AuxColumn& column : kAuxColumns) {
        if (!columns.Has(column))
            continue;
        if (!rec.HasDetectorLevels())
            line.Cell(kColumnWidth, std::string());
        else if (column.level)
            line.Cell(kColumnWidth, LevelText(AuxValue(rec, column)));
        else
            line.Cell(kColumnWidth, AuxValue(rec, column));
    }
}

void WriteSpectrumValues(CellLine& line, const TalColumns& columns, const ThRec& rec)
{
    if (!columns.Spectrum())
        return;
    for (unsigned band = 0; band < kBands; ++band) {
        if (!rec.HasDetectorLevels())
            line.Cell(kColumnWidth, std::string());
        else
            line.Cell(kColumnWidth, LevelText(columns.LeqSpectrum() ? rec.GetLeqBand(band) : rec.GetLiveBand(band)));
    }
}

// "State:cause" of a run/stop entry. A mark shows its number; causes 11 to
// 16 are the marks 1 to 6 and show the mark's name.
std::string RunStopText(const ThRec& rec, const RecordView& parameters)
{
    std::string state;
    rec.GetStateText(state);
    const int cause = rec.GetCauseCode();
    if (state == "Mark")
        state = ComposeText("%s%d", state.c_str(), cause == 0 ? 0 : cause - 10);
    std::string causeText;
    if (cause >= 11 && cause <= 16)
        causeText = MarkName(parameters, cause - 10);
    else
        rec.GetCauseText(causeText);
    return state + ":" + causeText;
}

}  // namespace

int ReportWriter::CountTalTimeHistoryColumns(const RecordView& setup, int* width)
{
    const ThColumnFlags f = ThColumnFlags::Read(setup, TalSetupFields::kThFlags);
    const int bits = CountFlagBits(f.a1) + CountFlagBits(f.c1) + CountFlagBits(f.f1) + CountFlagBits(f.a2 & 0xE0) +
                     CountFlagBits(f.c2 & 0xE0) + CountFlagBits(f.f2 & 0xE0) + CountFlagBits(f.a2 & 0x04) +
                     CountFlagBits(f.f2 & 0x04) + CountFlagBits(f.c2 & 0x07);
    if (width != nullptr)
        *width = kLeadWidth + kColumnWidth * bits;
    return 4 + bits;
}

int ReportWriter::WriteTalTimeHistory(std::ostream& out, ExportFormat format, const ThMgr& timeHistory,
                                      const RecordView& setup, const RecordView& parameters)
{
    if (!Usable(out) || setup.IsEmpty() || timeHistory.GetCount() <= 0)
        return 1;
    const bool text = IsText(format);
    const TalColumns columns(setup);

    if (text) {
        if (columns.Spectrum()) {
            SetLeft(out);
            SetFixed(out);
            // The title stands over the spectrum, after the columns written
            // before it: the advanced ones, or the one other level.
            int width = kLeadWidth + (columns.OneOtherLevel() ? kOtherLevelWidth : 0);
            if (columns.Advanced())
                CountTalTimeHistoryColumns(setup, &width);
            out << std::setw(width + 4) << " " << columns.SpectrumTitle() << std::setw(kSpectrumTitleTail) << " "
                << std::endl;
        }
        SetLeft(out);
        SetFixed(out);
        out.precision(2);
        CellLine heading(out, true);
        heading.Cell(9, "Rec #").Cell(12, "Date").Cell(12, "Time").AlignRight().Cell(6, "Leq");
        if (columns.OneOtherLevel())
            heading.Cell(kOtherLevelWidth, ValueText(&LOGSetup::OtherLevelText, columns.otherLevel));
        else if (columns.Advanced())
            WriteColumnHeadings(heading, columns, true);
        // Every spectrum column written has its heading.
        if (columns.Spectrum())
            for (const char* band : kBandHeadings)
                heading.Cell(kColumnWidth, band);
        heading.AlignLeft().End();
    } else {
        if (columns.Spectrum()) {
            out << std::string(static_cast<size_t>(CountTalTimeHistoryColumns(setup)), ',') << columns.SpectrumTitle()
                << std::string(kBands, ',') << std::endl;
        }
        SetFixed(out);
        out.precision(1);
        CellLine heading(out, false);
        heading.Cell(0, "Rec #").Cell(0, "Date").Cell(0, "Time").Cell(0, "Leq");
        WriteColumnHeadings(heading, columns, false);
        if (columns.Spectrum())
            for (const char* band : kBandHeadings)
                heading.Cell(0, band);
        heading.End();
    }

    for (int i = 0; i < timeHistory.GetCount(); ++i) {
        const ThRec* rec = timeHistory.GetAt(i);
        if (rec == nullptr)
            continue;
        CellLine row(out, text);
        row.Cell(9, RecordNumber(rec->GetRecordNumber()))
            .Cell(12, DateText(rec->GetTime()))
            .Cell(12, TimeText(rec->GetTime()));
        if (!rec->IsLevelSample()) {
            row.Cell(0, RunStopText(*rec, parameters));
        } else if (text) {
            // The Leq is the stream's number here: no value shows as 999.0.
            out.precision(1);
            row.AlignRight().Cell(6, rec->GetLeq());
            if (columns.OneOtherLevel())
                row.Cell(kOtherLevelWidth, ThOtherLevel(*rec));
            else if (columns.Advanced())
                WriteColumnValues(row, columns, *rec);
            WriteSpectrumValues(row, columns, *rec);
        } else {
            row.Cell(0, LevelText(rec->GetLeq()));
            WriteColumnValues(row, columns, *rec);
            WriteSpectrumValues(row, columns, *rec);
        }
        row.AlignLeft().End();
    }
    return 1;
}
