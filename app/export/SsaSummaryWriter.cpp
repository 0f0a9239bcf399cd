#include <iomanip>
#include <string>

#include "BandNames.h"
#include "ExportCells.h"
#include "ISMSetup.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SSASetup.h"
#include "SummaryTableSupport.h"
#include "SummaryWriterSupport.h"

namespace {

namespace ssasetup {
using namespace SsaSetupFields;
}  // namespace ssasetup


constexpr int kBands = 33;
constexpr int kLnColumns = 6;
constexpr int kBandWidth = 12;

bool IsOctaveCentre(int band) { return band % 3 == 1; }

class SsaSummary {
public:
    SsaSummary(std::ostream& out, bool text, const RecordView& summary, const RecordView& system,
               const RecordView& setup)
        : m_out(out), m_text(text), m_summary(summary), m_system(system), m_setup(setup)
    {
    }

    void Write()
    {
        m_out << std::setiosflags(std::ios::left) << std::setiosflags(std::ios::fixed);
        if (m_text)
            m_out << std::setprecision(1);
        const int32_t overloads = m_summary.I32(SummaryFields::kOverloads);
        std::string title = "Overall Any Data";
        if (overloads > 0)
            title += "\t\t**** " + std::to_string(overloads) + " OVERLOAD(S) DETECTED ****";
        WriteAnyDataBlock(m_out, m_text, m_summary, kOverallSet, title, kStyle);

        Spectra();
        if (m_setup.I16(ssasetup::kSpectralLn) == 1)
            SpectralLns();
        LnLines();
        SetupAndCounts();

        m_out << std::setprecision(1);
        WriteAnyDataBlock(m_out, m_text, m_summary, kCurrentSet, "Current Any Data", kStyle);
        if (HasSetup() && (m_setup.U16(ssasetup::kOptionFlags) & 0x40))
            WriteWindLines(m_out, m_text, m_summary, m_setup, kSsaWindSetup);
        WriteCalibrationLines(m_out, m_text, m_summary, m_system, CalibrationLayout::kSsa);
        Records();
    }

private:
    static constexpr AnyDataStyle kStyle = {
        .csvBareTitle = false, .csvSplitStartTime = true, .closingEmptyLine = true};

    CellLine Line() const { return CellLine(m_out, m_text); }
    bool HasSetup() const { return !m_setup.IsEmpty(); }
    float Level(size_t table, int index) const { return m_summary.F32(table + 4 * static_cast<size_t>(index)); }
    std::string LevelAt(size_t table, int index) const { return LevelText(Level(table, index)); }

    void Spectra()
    {
        Line().Left(0, "Spectra").End();
        const uint32_t start = m_summary.U32(kCurrentSet.start);
        Line()
            .Left(14, "Start Time:")
            .Split(std::ios::left, 20, DateTimeText(start), DateText(start))
            .CsvOnly(ClockText(start))
            .TextOnly(std::ios::right, 2, " ")
            .Left(12, "Run Time:")
            .Left(12, DurationText(m_summary.F32(kCurrentSet.elapsed)))
            .End();

        // The bandwidth bit of a missing setup reads clear: octaves.
        const bool thirds = SSASetup::IsBit08Set(m_setup.U8(ssasetup::kModeFlags));
        static const char* const kThirdHeadings[][2] = {
            {"Freq", "Freq Hz"},         {"Leq 1/3", "Leq 1/3 Oct"}, {"Leq 1/1", "Leq 1/1 Oct"},
            {"Max 1/3", "Max 1/3 Oct"}, {"Max 1/1", "Max 1/1 Oct"}, {"Min 1/3", "Min 1/3 Oct"},
            {"Min 1/1", "Min 1/1 Oct"}};
        static const int kOctaveColumns[] = {0, 2, 4, 6};
        CellLine heading = Line();
        if (thirds) {
            for (const auto& h : kThirdHeadings)
                heading.Split(std::ios::right, kBandWidth, h[0], h[1]);
        } else {
            for (int column : kOctaveColumns)
                heading.Split(std::ios::right, kBandWidth, kThirdHeadings[column][0], kThirdHeadings[column][1]);
        }
        heading.AlignLeft().End();

        using namespace SummaryFields;
        for (int band = 0; band < kBands; ++band) {
            std::string name;
            SSASetup::BandName(band, name);
            const std::string csvName = SsaBandLabel(band);
            const int octave = (band - 1) / 3;
            CellLine line = Line();
            if (IsOctaveCentre(band)) {
                line.Split(std::ios::right, kBandWidth, name, csvName);
                if (thirds)
                    line.Right(kBandWidth, LevelAt(kLeqThirds, band))
                        .Right(kBandWidth, LevelAt(kLeqOctaves, octave))
                        .Right(kBandWidth, LevelAt(kMaxThirds, band))
                        .Right(kBandWidth, LevelAt(kMaxOctaves, octave))
                        .Right(kBandWidth, LevelAt(kMinThirds, band))
                        .Right(kBandWidth, LevelAt(kMinOctaves, octave));
                else
                    line.Right(kBandWidth, LevelAt(kLeqOctaves, octave))
                        .Right(kBandWidth, LevelAt(kMaxOctaves, octave))
                        .Right(kBandWidth, LevelAt(kMinOctaves, octave));
                line.End();
            } else if (thirds) {
                // The wider fields keep the levels under their own headings;
                // in CSV the octave columns stay bare.
                line.Split(std::ios::right, kBandWidth, name, csvName)
                    .Right(kBandWidth, LevelAt(kLeqThirds, band));
                if (!m_text)
                    m_out << ',';
                line.Right(2 * kBandWidth, LevelAt(kMaxThirds, band));
                if (!m_text)
                    m_out << ',';
                line.Right(2 * kBandWidth, LevelAt(kMinThirds, band)).End();
            }
        }
        m_out << std::endl;
    }

    void SpectralLns()
    {
        using namespace SummaryFields;
        Line().Left(0, "Overall Spectral Ln's").End();
        CellLine heading = Line();
        heading.Right(kBandWidth, "Freq");
        for (int column = 0; column < kLnColumns; ++column)
            heading.Right(kBandWidth, "L" + FormatFixed(Level(kSpectralLnPercentiles, column), 2));
        heading.AlignLeft().End();
        for (int band = 0; band < kBands; ++band) {
            std::string name;
            SSASetup::BandName(band, name);
            CellLine line = Line();
            line.Right(kBandWidth, name);
            for (int column = 0; column < kLnColumns; ++column) {
                const int element = column * kBands + band;
                // The spreadsheet gets the stored number, in the stream's precision.
                line.Split(std::ios::right, kBandWidth, LevelAt(kSpectralLn, element), Level(kSpectralLn, element));
            }
            line.End();
        }
        m_out << std::endl;
    }

    void LnLines()
    {
        using namespace SummaryFields;
        // Without a setup record the start level and the weighting are unknown.
        const std::string start =
            HasSetup() ? LnStartLevelText(m_setup.I16(ssasetup::kLnStartLevel)) : "";
        Line().Right(18, "Ln Start Level:").Right(20, start).End();
        if (m_text)
            m_out << std::endl;
        std::string letter;
        if (HasSetup())
            LOGSetup::FreqWeightingShortText(m_setup.U8(ssasetup::kWeighting), letter);
        for (int i = 0; i < kLnColumns; ++i) {
            const std::string percentile = FormatFixed(Level(kLnPercentiles, i), 2);
            if (m_text)
                m_out << std::setprecision(2);
            Line()
                .Split(std::ios::right, 3, "L", "L " + percentile)
                .TextOnly(std::ios::right, 8, "(" + percentile + ")")
                .Right(6, LevelAt(kLnLevels, i))
                .CsvOnly("dB" + letter)
                .End();
        }
        m_out << std::endl;
    }

    // A level right-aligned in 6 and its unit: "  85.0 dB".
    static std::string Decibels(const std::string& level) { return RightCell(level, 6) + " dB"; }

    // One exceedance level of the setup with how often it was exceeded.
    // Without a setup record the level is not known.
    void Exceedance(const char* label, const char* csvLabel, size_t levelOffset, bool wholeDb, size_t countOffset)
    {
        CellLine line = Line();
        line.Split(std::ios::left, 25, label, csvLabel);
        if (!HasSetup()) {
            line.TextOnly(std::ios::left, 20, "Level Not Set");
        } else if (wholeDb) {
            const int level = m_setup.I16(levelOffset);
            line.Split(std::ios::left, 20, Decibels(LevelText(static_cast<float>(level))),
                       Decibels(std::to_string(level)));
        } else {
            line.Left(20, Decibels(LevelText(m_setup.F32(levelOffset))));
        }
        line.Left(15, "Exceeded:").Left(20, std::to_string(m_summary.I32(countOffset)) + " times");
        line.End();
    }

    void SetupAndCounts()
    {
        using namespace SummaryFields;
        std::string detector;
        std::string weighting;
        ISMSetup::GetDetectorText(m_setup.U8(ssasetup::kDetector), detector);
        LOGSetup::FreqWeightingText(m_setup.U8(ssasetup::kWeighting), weighting);
        // Without a setup record the text layout leaves the values empty and
        // CSV leaves them out.
        const std::ios::fmtflags left = std::ios::left;
        CellLine detectorLine = Line();
        detectorLine.Left(15, "Detector:");
        HasSetup() ? detectorLine.Left(10, detector) : detectorLine.TextOnly(left, 10, "");
        detectorLine.End();
        CellLine weightingLine = Line();
        weightingLine.Left(15, "Weighting:");
        HasSetup() ? weightingLine.Left(10, weighting) : weightingLine.TextOnly(left, 10, "");
        weightingLine.End();
        Exceedance("SPL Exceedance Level 1:", "SPL Exceedance Level 1:", ssasetup::kSplExceedance1, false,
                   kSplExceedances1);
        Exceedance("SPL Exceedance Level 2:", "SPL Exceedance level 2:", ssasetup::kSplExceedance2, true,
                   kSplExceedances2);
        Exceedance("Peak-1 Exceedance Level:", "Peak-1 Exceedance Level:", ssasetup::kPeak1Exceedance, true,
                   kPeak1Exceedances);
        Exceedance("Peak-2 Exceedance Level:", "Peak-2 Exceedance Level:", ssasetup::kPeak2Exceedance, true,
                   kPeak2Exceedances);
        CellLine hysteresis = Line();
        hysteresis.Left(15, "Hysteresis:");
        if (HasSetup())
            hysteresis.Left(10, m_setup.I16(ssasetup::kHysteresis));
        else
            hysteresis.TextOnly(std::ios::left, 10, "Not Set");
        hysteresis.End();
        Line()
            .Left(15, "Overloaded:")
            .Left(25, std::to_string(m_summary.I32(kOverloads)) + " time(s)")
            .End();
        Line()
            .Left(15, "Paused:")
            .Left(25, std::to_string(m_summary.I32(kPauses)) + " times for " + DurationText(m_summary.F32(kPausedTime)))
            .End();
        m_out << std::endl;
    }

    void Records()
    {
        using namespace SummaryFields;
        Line()
            .Left(20, "Interval Records:")
            .Left(21, SwitchStatus(m_setup, SSASetup::IsBit80Set(m_setup.U8(ssasetup::kIntervalFlags))))
            .Left(26, "Number Interval Records:")
            .Right(10, m_summary.I32(kIntervalRecords))
            .AlignLeft()
            .End();
        Line()
            .Split(std::ios::left, 20, "Time History:", "History Records:")
            .Left(21, SwitchStatus(m_setup, SSASetup::IsBit08Set(m_setup.U8(ssasetup::kLnFlags))))
            .Left(26, "Number History Records:")
            .Right(10, m_summary.I32(kHistoryRecords))
            .AlignLeft()
            .End();
        const int32_t runStops = m_summary.I32(kRunStopRecords);
        Line()
            .Left(20, "Run/Stop Records:")
            .Left(21, "")
            .Left(26, "Number Run/Stop Records:")
            .Split(std::ios::right, 10, runStops, RightCell(std::to_string(runStops), 5))
            .AlignLeft()
            .End();
    }

    std::ostream& m_out;
    const bool m_text;
    const RecordView& m_summary;
    const RecordView& m_system;
    const RecordView& m_setup;
};

}  // namespace

int ReportWriter::WriteSsaSummary(std::ostream& out, ExportFormat format, const RecordView& summary,
                                  const RecordView& systemRecord, const RecordView& setup)
{
    if (!Usable(out) || summary.IsEmpty())
        return 1;
    SsaSummary(out, IsText(format), summary, systemRecord, setup).Write();
    return 1;
}
