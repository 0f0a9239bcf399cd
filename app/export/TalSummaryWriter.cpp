// The summary of a ZU-Reru measurement: times, LAFTM5, LCeq and LAIeq
// against LAeq, levels by weighting and detector with the times of the
// maxima, the Ln table, the RTA Leq spectrum and the tonality figures.
#include <array>
#include <iomanip>

#include "ExportFields.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SummaryWriterSupport.h"
#include "SummaryTableSupport.h"
#include "TALSetup.h"

namespace {

constexpr int kWeightings = 3;
constexpr int kBands = 33;

std::string WeightingLetter(int code)
{
    std::string letter;
    return LOGSetup::FreqWeightingShortText(code, letter);
}

std::string BandName(int band)
{
    std::string name;
    return TALSetup::BandName(band, name);
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
    overallStart = TimeCell(s.U32(kOverallSet.start));
    overallEnd = TimeCell(s.U32(S::kOverallEnd));
    slmStart = TimeCell(s.U32(kCurrentSet.start));
    slmEnd = TimeCell(EndTime(s.U32(kCurrentSet.start), s.F32(kCurrentSet.elapsed)));
    slmElapsed = DurationCell(s.F32(kCurrentSet.elapsed));
    rtaRunTime = DurationCell(s.F32(S::kRtaRunTime));
    tonalityElapsed = DurationCell(s.F32(S::kTonalityElapsed));
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
// detector, each Lmax row followed by the times of the maxima.
void WriteWeightingTable(std::ostream& out, bool text, const TalSummary& t)
{
    auto row = [&](const std::string& label, const std::array<std::string, 3>& cells) {
        if (text) {
            out << LeftCell(label, 15) << RightCell(cells[0], 20) << "  " << RightCell(cells[1], 20) << "  "
                << RightCell(cells[2], 20) << std::endl;
            return;
        }
        CsvField(out, label == " " ? "" : label);
        for (const std::string& cell : cells)
            CsvField(out, cell);
        out << std::endl;
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
        row(" ", {TimeCell(times[0]), TimeCell(times[1]), TimeCell(times[2])});
        out << std::endl;
    }
}

void WriteText(std::ostream& out, const TalSummary& t)
{
    auto timeLine = [&](const char* label, const std::string& time) {
        out << LeftCell(label, 14) << RightCell(time, 20) << "  " << std::endl;
    };
    timeLine("Overall Start Time:", t.overallStart);
    timeLine("Overall End Time:", t.overallEnd);
    out << std::endl;
    out << LeftCell("Number SnapShot Records:", 26) << RightCell(std::to_string(t.snapshots), 10) << "   "
        << LeftCell("Ln Table:", 20) << LeftCell(t.lnTable, 21) << std::endl;
    out << LeftCell("Number History Records:", 26) << RightCell(std::to_string(t.histories), 10) << "   "
        << LeftCell("Time History:", 20) << LeftCell(t.timeHistory, 21) << std::endl;
    out << std::endl << "Current Data" << std::endl << std::endl << "SLM Mode" << std::endl;
    timeLine("SLM Start Time:", t.slmStart);
    timeLine("SLM End Time:", t.slmEnd);
    timeLine("SLM Elapsed Time:", t.slmElapsed);
    out << std::endl;
    auto f = [](float v) { return FormatFixed(v, 2, 6); };
    out << ComposeText("LAFTM5:       %s dB    LCEQ:         %s dB    LAIeq:        %s dB\n", f(t.laftm5).c_str(),
                       f(t.lceq).c_str(), f(t.laieq).c_str());
    out << ComposeText("LAeq:         %s dB    LAeq:         %s dB    LAeq:         %s dB\n", f(t.laeq).c_str(),
                       f(t.laeq).c_str(), f(t.laeq).c_str());
    out << ComposeText("LAFTM5-LAeq:  %s dB    LCeq-LAeq:    %s dB    LAIeq-LAeq:   %s dB\n\n",
                       f(t.laftm5 - t.laeq).c_str(), f(t.lceq - t.laeq).c_str(), f(t.laieq - t.laeq).c_str());
    WriteWeightingTable(out, true, t);
    out << LeftCell("Ln Start Level:", 20) << ComposeText("%2d dB", t.lnStartLevel) << std::endl << std::endl;
    for (size_t i = 0; i < t.lnLevels.size(); ++i)
        out << RightCell("L", 3) << RightCell("(" + FormatFixed(t.lnPercents[i], 2) + ")", 8)
            << RightCell(FormatReportNumber(t.lnLevels[i], 1, 0), 6) << std::endl;
    out << std::endl << "RTA Mode: Leq Spectrum" << std::endl;
    out << LeftCell("RTA Run Time:", 15) << LeftCell(t.rtaRunTime, 12) << std::endl;
    out << RightCell("Freq", 12) << RightCell("Leq 1/3", 12) << std::endl;
    for (int b = 0; b < kBands; ++b)
        out << RightCell(BandName(b), 12) << RightCell(FormatFixed(t.spectrum[static_cast<size_t>(b)], 2), 12)
            << std::endl;
    out << std::endl << "Tonality Mode" << std::endl;
    out << LeftCell("Tonality Elapsed Time:", 20) << RightCell(t.tonalityElapsed, 12) << std::endl;
    out << ComposeText("  ft (Freq. Tone):            %6d Hz\n", t.toneFrequency);
    out << ComposeText("  delta fc (BARQ Bandwidth):  %6d Hz\n", t.barqBandwidth);
    out << ComposeText("  Lt (Ltone):                 %s dB\n", f(t.toneLevel).c_str());
    out << ComposeText("  Lg (LGroup):                %s dB\n", f(t.groupLevel).c_str());
    // The last line is ended like every other, so that a report written
    // after this one starts on a line of its own.
    out << ComposeText("  Lt - Lg:                    %s dB", f(t.toneLevel - t.groupLevel).c_str()) << std::endl;
}

void WriteCsv(std::ostream& out, const TalSummary& t)
{
    // Floats without a format of their own take the stream's: fixed, one
    // decimal.
    out << std::setprecision(1);
    auto pair = [&](const char* label, const auto& value) {
        CsvField(out, label);
        CsvField(out, value) << std::endl;
    };
    pair("Overall Start Time:", t.overallStart);
    pair("Overall End Time:", t.overallEnd);
    out << std::endl;
    CsvField(out, "Number SnapShot Records:");
    CsvField(out, t.snapshots);
    CsvField(out, "Ln Table:");
    CsvField(out, t.lnTable) << std::endl;
    CsvField(out, "Number History Records:");
    CsvField(out, t.histories);
    CsvField(out, "History Records:");
    CsvField(out, t.timeHistory) << std::endl;
    out << std::endl;
    CsvField(out, "Current Data") << std::endl << std::endl;
    CsvField(out, "SLM Mode") << std::endl;
    pair("SLM Start Time:", t.slmStart);
    pair("SLM End Time:", t.slmEnd);
    pair("SLM Elapsed Time:", t.slmElapsed);
    out << std::endl;
    const struct {
        const char* name;
        const char* difference;
        float level;
    } against[] = {{"LAFTM5:", "LAFTM5 - LAeq:", t.laftm5},
                   {"LCEQ:", "LCEQ - LAeq:", t.lceq},
                   {"LAIeq:", "LAIeq - LAeq:", t.laieq}};
    for (const auto& a : against) {
        pair(a.name, a.level);
        pair("LAeq:", t.laeq);
        pair(a.difference, a.level - t.laeq);
        out << std::endl;
    }
    WriteWeightingTable(out, false, t);
    pair("Ln Start Level:", ComposeText("%2d dB", t.lnStartLevel));
    out << std::endl;
    for (size_t i = 0; i < t.lnLevels.size(); ++i) {
        CsvField(out, "L " + FormatFixed(t.lnPercents[i], 2));
        CsvField(out, FormatReportNumber(t.lnLevels[i], 1, 0));
        CsvField(out, "dB" + t.lnWeighting) << std::endl;
    }
    out << std::endl;
    CsvField(out, "RTA Mode: Leq Spectrum") << std::endl;
    pair("RTA Run Time:", t.rtaRunTime);
    CsvField(out, "Freq Hz");
    CsvField(out, "Leq 1/3 Oct") << std::endl;
    for (int b = 0; b < kBands; ++b) {
        const std::string name = BandName(b);
        pair(name.substr(0, name.size() - 3).c_str(), t.spectrum[static_cast<size_t>(b)]);
    }
    out << std::endl;
    CsvField(out, "Tonality Mode") << std::endl;
    pair("Tonality Elapsed Time:", t.tonalityElapsed);
    pair("ft (Freq. Tone):", t.toneFrequency);
    pair("delta fc (BARQ Bandwidth):", t.barqBandwidth);
    pair("Lt (Ltone):", t.toneLevel);
    pair("Lg (LGroup):", t.groupLevel);
    CsvField(out, "Lt - Lg:");
    CsvField(out, t.toneLevel - t.groupLevel) << std::endl;
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
    if (IsText(format))
        WriteText(out, t);
    else
        WriteCsv(out, t);
    return 1;
}
