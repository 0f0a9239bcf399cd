// The summary of a ZU-Reru measurement: times, LAFTM5, LCeq and LAIeq
// against LAeq, levels by weighting and detector with the times of the
// maxima, the Ln table, the RTA Leq spectrum and the tonality figures.
#include <array>
#include <iomanip>

#include "BandNames.h"
#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SummaryWriterSupport.h"
#include "SummaryTableSupport.h"

namespace {

constexpr int kWeightings = 3;
constexpr int kBands = 33;

std::string WeightingLetter(int code)
{
    std::string letter;
    return LOGSetup::FreqWeightingShortText(code, letter);
}

struct TalSummary {
    explicit TalSummary(const RecordView& s, const RecordView& setup);

    std::string overallStart, overallEnd, slmStart, slmEnd, slmElapsed, rtaRunTime, tonalityElapsed;
    int32_t snapshots, histories, toneFrequency, barqBandwidth, lnStartLevel;
    std::string lnTable, timeHistory, leqLabel, lnWeighting;
    float laeq, lceq, laftm5, laieq, toneLevel, groupLevel;
    std::array<float, 3> leq{};
    std::array<float, 9> spl{}, lmax{};
    std::array<uint32_t, 9> lmaxTimes{};
    std::array<float, 6> lnLevels{}, lnPercents{};
    std::array<float, kBands> spectrum{};
};

TalSummary::TalSummary(const RecordView& s, const RecordView& setup)
{
    namespace S = SummaryFields;
    namespace T = TalSetupFields;
    overallStart = DateTimeText(s.U32(kOverallSet.start));
    overallEnd = DateTimeText(s.U32(S::kOverallEnd));
    slmStart = DateTimeText(s.U32(kCurrentSet.start));
    slmEnd = DateTimeText(EndTime(s.U32(kCurrentSet.start), s.F32(kCurrentSet.elapsed)));
    slmElapsed = DurationText(s.F32(kCurrentSet.elapsed));
    rtaRunTime = DurationText(s.F32(S::kRtaRunTime));
    tonalityElapsed = DurationText(s.F32(S::kTonalityElapsed));
    snapshots = s.I32(S::kIntervalRecords);
    histories = s.I32(S::kHistoryRecords);
    toneFrequency = s.I32(S::kToneFrequency);
    barqBandwidth = s.I32(S::kBarqBandwidth);
    const int historyFlags = setup.U16(T::kHistoryFlags);
    const bool lnOn = (setup.U16(T::kLnEnableFlags) & 0x40) && (historyFlags & 2);
    lnTable = lnOn ? "Enabled" : "Disabled";
    timeHistory = (historyFlags & 8) ? "Enabled" : "Disabled";
    lnStartLevel = setup.I16(T::kLnStartLevel);
    lnWeighting = WeightingLetter(setup.U16(T::kSlmWeighting) & 0xFF);
    leqLabel = AverageLabel(s, kCurrentSet) + ":";
    s.Floats(kCurrentSet.average, leq.data(), leq.size());
    laeq = leq[0];
    lceq = leq[1];
    laftm5 = s.F32(S::kLaftm5);
    laieq = s.F32(S::kLaieq);
    toneLevel = s.F32(S::kToneLevel);
    groupLevel = s.F32(S::kGroupLevel);
    s.Floats(S::kSpl, spl.data(), spl.size());
    s.Floats(kCurrentSet.lmax, lmax.data(), lmax.size());
    for (size_t i = 0; i < lmaxTimes.size(); ++i)
        lmaxTimes[i] = s.U32(kCurrentSet.lmaxTimes + 4 * i);
    s.Floats(S::kLnLevels, lnLevels.data(), lnLevels.size());
    s.Floats(S::kLnPercentiles, lnPercents.data(), lnPercents.size());
    s.Floats(S::kLeqThirds, spectrum.data(), spectrum.size());
}

// The three weightings' values of one detector in a table of nine.
template <class T>
std::array<T, 3> ByWeighting(const std::array<T, 9>& values, int detector)
{
    std::array<T, 3> out{};
    for (int w = 0; w < kWeightings; ++w)
        out[static_cast<size_t>(w)] = values[static_cast<size_t>(3 * w + detector)];
    return out;
}

const char* const kSplLabels[] = {"SPL (Slow):", "SPL (Fast):", "SPL (Impulse):"};
const char* const kLmaxLabels[] = {"Lmax (slow):", "Lmax (fast):", "Lmax (impulse):"};

// The levels by weighting (columns A, C, Flat): Leq, SPL and Lmax by
// detector, each Lmax row followed by the times of the maxima (under a blank
// label in the text layout, an empty one in CSV).
void WriteWeightingTable(std::ostream& out, bool text, const TalSummary& t)
{
    auto row = [&](const std::string& label, const std::array<std::string, 3>& cells) {
        CellLine(out, text)
            .Split(std::ios::left, 15, label, label == " " ? "" : label)
            .Right(20, cells[0])
            .TextOnly(0, "  ")
            .Right(20, cells[1])
            .TextOnly(0, "  ")
            .Right(20, cells[2])
            .AlignLeft()
            .End();
    };
    auto levels = [&](const std::string& label, const std::array<float, 3>& values) {
        row(label, {LevelCell(values[0], 0), LevelCell(values[1], 1), LevelCell(values[2], 2)});
    };
    row("", {"A Weight", "C Weight", "Flat"});
    levels(t.leqLabel, t.leq);
    for (int d = 0; d < 3; ++d)
        levels(kSplLabels[d], ByWeighting(t.spl, d));
    out << std::endl;
    for (int d = 0; d < 3; ++d) {
        levels(kLmaxLabels[d], ByWeighting(t.lmax, d));
        const auto times = ByWeighting(t.lmaxTimes, d);
        row(" ", {DateTimeText(times[0]), DateTimeText(times[1]), DateTimeText(times[2])});
        out << std::endl;
    }
}

// LAFTM5, LCeq and LAIeq against LAeq: in the text layout three rows of
// three columns (the levels, LAeq, the differences), with two decimals; in
// CSV each level with LAeq and the difference in a block of its own, as
// stream numbers.
void WriteAgainstLaeq(std::ostream& out, bool text, const TalSummary& t)
{
    if (text) {
        const struct {
            const char* labels[3];
            float levels[3];
        } rows[] = {
            {{"LAFTM5:", "LCEQ:", "LAIeq:"}, {t.laftm5, t.lceq, t.laieq}},
            {{"LAeq:", "LAeq:", "LAeq:"}, {t.laeq, t.laeq, t.laeq}},
            {{"LAFTM5-LAeq:", "LCeq-LAeq:", "LAIeq-LAeq:"}, {t.laftm5 - t.laeq, t.lceq - t.laeq, t.laieq - t.laeq}},
        };
        for (const auto& r : rows) {
            CellLine line(out, true);
            for (int c = 0; c < 3; ++c)
                line.Left(14, r.labels[c]).Right(6, FormatFixed(r.levels[c], 2)).TextOnly(0, c < 2 ? " dB    " : " dB");
            line.AlignLeft().End();
        }
        out << std::endl;
        return;
    }
    const struct {
        const char* name;
        const char* difference;
        float level;
    } against[] = {{"LAFTM5:", "LAFTM5 - LAeq:", t.laftm5},
                   {"LCEQ:", "LCEQ - LAeq:", t.lceq},
                   {"LAIeq:", "LAIeq - LAeq:", t.laieq}};
    for (const auto& a : against) {
        CellLine(out, false).Cell(0, a.name).Cell(0, a.level).End();
        CellLine(out, false).Cell(0, "LAeq:").Cell(0, t.laeq).End();
        CellLine(out, false).Cell(0, a.difference).Cell(0, a.level - t.laeq).End();
        out << std::endl;
    }
}

// A label and a time or duration right-aligned in 20, then two blanks
// (text), or two fields (CSV).
void TimeLine(std::ostream& out, bool text, const char* label, const std::string& time)
{
    CellLine(out, text).Left(14, label).Right(20, time).TextOnly(0, "  ").AlignLeft().End();
}

// A record count and a switch: the count right-aligned in 10 after its
// label in 26, the switch's label and state in 20 and 21.
void CountLine(std::ostream& out, bool text, const char* label, int32_t count, const char* switchLabel,
               const char* csvSwitchLabel, const std::string& state)
{
    CellLine(out, text)
        .Left(26, label)
        .Right(10, count)
        .TextOnly(0, "   ")
        .Split(std::ios::left, 20, switchLabel, csvSwitchLabel)
        .Left(21, state)
        .End();
}

// A tonality figure after its label in 28 (text, two blanks before it):
// in Hz right-aligned in 6, or a level in dB with two decimals (a stream
// number in CSV).
void ToneLine(std::ostream& out, bool text, const char* label, int32_t hz)
{
    CellLine(out, text).TextOnly(0, "  ").Left(28, label).Right(6, hz).TextOnly(0, " Hz").AlignLeft().End();
}
void ToneLine(std::ostream& out, bool text, const char* label, float level)
{
    CellLine(out, text)
        .TextOnly(0, "  ")
        .Left(28, label)
        .Split(std::ios::right, 6, FormatFixed(level, 2), level)
        .TextOnly(0, " dB")
        .AlignLeft()
        .End();
}

void Write(std::ostream& out, bool text, const TalSummary& t)
{
    // Floats without a format of their own take the stream's: fixed, one
    // decimal.
    if (!text)
        out << std::setprecision(1);
    TimeLine(out, text, "Overall Start Time:", t.overallStart);
    TimeLine(out, text, "Overall End Time:", t.overallEnd);
    out << std::endl;
    CountLine(out, text, "Number SnapShot Records:", t.snapshots, "Ln Table:", "Ln Table:", t.lnTable);
    CountLine(out, text, "Number History Records:", t.histories, "Time History:", "History Records:", t.timeHistory);
    out << std::endl;
    CellLine(out, text).Cell(0, "Current Data").End();
    out << std::endl;
    CellLine(out, text).Cell(0, "SLM Mode").End();
    TimeLine(out, text, "SLM Start Time:", t.slmStart);
    TimeLine(out, text, "SLM End Time:", t.slmEnd);
    TimeLine(out, text, "SLM Elapsed Time:", t.slmElapsed);
    out << std::endl;
    WriteAgainstLaeq(out, text, t);
    WriteWeightingTable(out, text, t);
    CellLine(out, text).Left(20, "Ln Start Level:").Cell(0, LnStartLevelText(t.lnStartLevel)).End();
    out << std::endl;
    for (size_t i = 0; i < t.lnLevels.size(); ++i) {
        const std::string percentile = FormatFixed(t.lnPercents[i], 2);
        CellLine(out, text)
            .Split(std::ios::right, 3, "L", "L " + percentile)
            .TextOnly(std::ios::right, 8, "(" + percentile + ")")
            .Right(6, ReportNumber{t.lnLevels[i], 1})
            .CsvOnly("dB" + t.lnWeighting)
            .AlignLeft()
            .End();
    }
    out << std::endl;
    CellLine(out, text).Cell(0, "RTA Mode: Leq Spectrum").End();
    CellLine(out, text).Left(15, "RTA Run Time:").Left(12, t.rtaRunTime).End();
    CellLine(out, text)
        .Split(std::ios::right, 12, "Freq", "Freq Hz")
        .Split(std::ios::right, 12, "Leq 1/3", "Leq 1/3 Oct")
        .AlignLeft()
        .End();
    for (int b = 0; b < kBands; ++b) {
        const float level = t.spectrum[static_cast<size_t>(b)];
        CellLine(out, text)
            .Split(std::ios::right, 12, TalBandName(b), TalBandLabel(b))
            .Split(std::ios::right, 12, FormatFixed(level, 2), level)
            .AlignLeft()
            .End();
    }
    out << std::endl;
    CellLine(out, text).Cell(0, "Tonality Mode").End();
    CellLine(out, text).Left(20, "Tonality Elapsed Time:").Right(12, t.tonalityElapsed).AlignLeft().End();
    ToneLine(out, text, "ft (Freq. Tone):", t.toneFrequency);
    ToneLine(out, text, "delta fc (BARQ Bandwidth):", t.barqBandwidth);
    ToneLine(out, text, "Lt (Ltone):", t.toneLevel);
    ToneLine(out, text, "Lg (LGroup):", t.groupLevel);
    // The last line is ended like every other, so that a report written
    // after this one starts on a line of its own.
    ToneLine(out, text, "Lt - Lg:", t.toneLevel - t.groupLevel);
}

}  // namespace

int ReportWriter::WriteTalSummary(std::ostream& out, ExportFormat format, const RecordView& summary,
                                  const RecordView& setup)
{
    // Without a setup record its flags read as clear: Ln table and time
    // history Disabled, Ln start level 0, weighting A.
    if (!Usable(out) || summary.IsEmpty())
        return 1;
    const TalSummary t(summary, setup);
    out << std::setiosflags(std::ios::left) << std::fixed;
    Write(out, IsText(format), t);
    return 1;
}
