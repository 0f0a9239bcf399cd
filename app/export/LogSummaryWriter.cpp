#include <iomanip>
#include <string>

#include "ExportCells.h"
#include "ISMSetup.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SetupValueTexts.h"
#include "SSASetup.h"
#include "SummaryTableSupport.h"
#include "SummaryWriterSupport.h"

namespace {

namespace logsetup {
using namespace LogSetupFields;
}  // namespace logsetup



int WeightingIndex(int code) { return code >= 0 && code <= 2 ? code : 0; }

class LogSummary {
public:
    LogSummary(std::ostream& out, bool text, const RecordView& summary, const RecordView& setup,
               const RecordView& system)
        : m_out(out), m_text(text), m_summary(summary), m_setup(setup), m_system(system),
          m_weighting(WeightingIndex(setup.I16(logsetup::kFreqWeighting))),
          m_peak1(WeightingIndex(setup.I16(logsetup::kPeak1Weighting))),
          m_level(LOGSetup::WeightingDetectorIndex(setup.I16(logsetup::kFreqWeighting),
                                                   setup.I16(logsetup::kDetector)))
    {
    }

    void Write()
    {
        m_out << std::setiosflags(std::ios::left) << std::setiosflags(std::ios::fixed) << std::setprecision(1);
        Headings();
        Pairs();
        if (m_text) {
            Occurrences();
            m_out << std::endl;
            LnLines();
            DayNight();
        } else {
            m_out << std::endl;
            Occurrences();
            DayNight();
        }
        m_out << std::endl;
        if (!m_setup.IsEmpty() && (m_setup.U8(logsetup::kOptionFlags) & 0x40))
            WriteWindLines(m_out, m_text, m_summary, m_setup, kLogWindSetup);
        if (!m_text) {
            LnLines();
            m_out << std::endl;
        }
        SetupAndCounts();
        m_out << std::endl;
        WriteCalibrationLines(m_out, m_text, m_summary, m_system, CalibrationLayout::kLog);
        m_out << std::endl;
        Records();
        m_out << std::endl;
        Memory();
        m_out << std::endl;

        m_out << std::setprecision(1);
        WriteAnyDataBlock(m_out, m_text, m_summary, kOverallSet, "Overall Any Data",
                          {.csvBareTitle = true, .csvSplitStartTime = false, .closingEmptyLine = true});
        m_out << std::setprecision(1);
        WriteAnyDataBlock(m_out, m_text, m_summary, kCurrentSet, "Current Any Data",
                          {.csvBareTitle = false, .csvSplitStartTime = false, .closingEmptyLine = false});
    }

private:
    CellLine Line() const { return CellLine(m_out, m_text); }
    bool HasSetup() const { return !m_setup.IsEmpty(); }

    void Headings()
    {
        Line().Left(40, "Overall Measurement").CsvEmpty().CsvEmpty().Left(0, "Current Measurement").End();
        // Text: a rule of minus signs under each heading.
        if (m_text) {
            const std::string rule(39, '-');
            Line().Cell(0, rule).Cell(0, " ").Cell(0, rule).End();
        }
    }

    // The Overall value and the Current value of one line.
    template <class T>
    void Pair(const std::string& overallLabel, const T& overall, const std::string& currentLabel, const T& current)
    {
        Line()
            .Left(18, overallLabel)
            .Right(20, overall)
            .TextOnly(std::ios::right, 2, " ")
            .CsvEmpty()
            .Left(18, currentLabel)
            .Right(20, current)
            .AlignLeft()
            .End();
    }
    // "85 dB" in the text layout, "85" in CSV.
    std::string Decibels(int value) const { return std::to_string(value) + (m_text ? " dB" : ""); }
    template <class Read>
    void PairOfSets(const char* label, Read read)
    {
        Pair(label, read(kOverallSet), label, read(kCurrentSet));
    }

    void Pairs()
    {
        const uint32_t overallStart = m_summary.U32(kOverallSet.start);
        const uint32_t currentStart = m_summary.U32(kCurrentSet.start);
        if (m_text) {
            Pair("Start Time:", DateTimeText(overallStart), "Start Time", DateTimeText(currentStart));
        } else {
            Line()
                .CsvOnly("Start Time:")
                .CsvOnly(DateText(overallStart))
                .CsvOnly(ClockText(overallStart))
                .CsvOnly("Start Time")
                .CsvOnly(DateText(currentStart))
                .CsvOnly(ClockText(currentStart))
                .End();
        }
        Pair("Elapsed Time:", DurationText(m_summary.F32(kOverallSet.elapsed)), "Elapsed Time",
             DurationText(m_summary.F32(kCurrentSet.elapsed)));
        const size_t w = 4 * static_cast<size_t>(m_weighting);
        Pair(AverageLabel(m_summary, kOverallSet) + ":", m_summary.F32(kOverallSet.average + w),
             AverageLabel(m_summary, kCurrentSet) + ":", m_summary.F32(kCurrentSet.average + w));
        PairOfSets("SEL:", [&](const MeasurementSet& set) { return m_summary.F32(set.sel + w); });
        if (m_text)
            m_out << std::setprecision(2);
        PairOfSets("Dose:", [&](const MeasurementSet& set) { return m_summary.F32(set.dose); });
        PairOfSets("Proj. Dose:", [&](const MeasurementSet& set) { return m_summary.F32(set.projectedDose); });
        PairOfSets("Threshold:", [&](const MeasurementSet& set) { return Decibels(m_summary.I16(set.threshold)); });
        PairOfSets("Criterion:", [&](const MeasurementSet& set) { return Decibels(m_summary.I16(set.criterion)); });
        if (HasSetup())
            Pair("Exchange Rate:", Decibels(m_setup.I16(logsetup::kOverallExchangeRate) + 3), "Exchange Rate:",
                 Decibels(m_setup.I16(logsetup::kCurrentExchangeRate) + 3));
        else
            Pair("Exchange Rate:", std::string(), "Exchange Rate:", std::string());
    }

    // A level with the time it occurred, of both sets: one line in the text
    // layout, a level line and a date-and-time line in CSV.
    void Occurrence(const char* label, const char* occurredLabel, size_t MeasurementSet::*levels,
                    size_t MeasurementSet::*times, int index)
    {
        const size_t at = 4 * static_cast<size_t>(index);
        const float overall = m_summary.F32(kOverallSet.*levels + at);
        const float current = m_summary.F32(kCurrentSet.*levels + at);
        const uint32_t overallTime = m_summary.U32(kOverallSet.*times + at);
        const uint32_t currentTime = m_summary.U32(kCurrentSet.*times + at);
        if (m_text) {
            Line()
                .Left(8, label)
                .Right(5, overall)
                .Right(25, DateTimeText(overallTime))
                .Right(2, "")
                .Left(8, label)
                .Right(5, current)
                .Right(25, DateTimeText(currentTime))
                .AlignLeft()
                .End();
            return;
        }
        Line().CsvOnly(label).CsvOnly(overall).CsvEmpty().CsvOnly(label).CsvOnly(current).End();
        Line()
            .CsvOnly(occurredLabel)
            .CsvOnly(DateText(overallTime))
            .CsvOnly(ClockText(overallTime))
            .CsvOnly(occurredLabel)
            .CsvOnly(DateText(currentTime))
            .CsvOnly(ClockText(currentTime))
            .End();
    }

    void Occurrences()
    {
        m_out << std::setprecision(1);
        Occurrence("Min:", "Min Occurred:", &MeasurementSet::lmin, &MeasurementSet::lminTimes, m_level);
        Occurrence("Max:", "Max Occurred:", &MeasurementSet::lmax, &MeasurementSet::lmaxTimes, m_level);
        Occurrence("Peak-1:", "Peak-1 Occurred:", &MeasurementSet::peak, &MeasurementSet::peakTimes, m_peak1);
        Occurrence("Peak-2:", "Peak-2 Occurred:", &MeasurementSet::peak, &MeasurementSet::peakTimes, m_weighting);
    }

    // The Ln start level and the six Ln's of the measurement.
    void LnLines()
    {
        // Without a setup record the start level is unknown: the value stays empty.
        const std::string start =
            HasSetup() ? LnStartLevelText(m_setup.I16(logsetup::kLnStartLevel)) : "";
        Line().Left(18, "Ln Start Level:").Right(20, start).End();
        for (size_t i = 0; i < 6; ++i) {
            const float percentile = m_summary.F32(SummaryFields::kLnPercentiles + 4 * i);
            const std::string level = LevelText(m_summary.F32(SummaryFields::kLnLevels + 4 * i));
            m_out << std::setprecision(2);
            if (m_text) {
                Line().Right(3, "L").Right(8, "(" + FormatFixed(percentile, 2) + ")").Right(6, level).End();
            } else {
                CellLine line = Line();
                line.CsvOnly("L" + FormatFixed(percentile, 2));
                m_out << std::setprecision(1);
                line.CsvOnly(level).End();
            }
        }
    }

    void DayNight()
    {
        m_out << std::setprecision(1);
        const struct {
            const char* label;
            size_t offset;
        } lines[] = {{"LDN:", SummaryFields::kLdn}, {"CNEL:", SummaryFields::kCnel}, {"Overall Leq:", SummaryFields::kOverallLeq}};
        for (const auto& line : lines)
            Line().Left(12, line.label).Right(6, LevelText(m_summary.F32(line.offset))).End();
    }

    // One exceedance level of the setup with how often it was exceeded.
    void Exceedance(const char* label, double level, int32_t count)
    {
        Line()
            .Left(25, label)
            .Right(6, level)
            .Right(10, "")
            .Left(10, "Exceeded:")
            .Left(0, count)
            .Right(6, "times")
            .End();
    }

    void SetupAndCounts()
    {
        std::string detector;
        if (HasSetup())
            ISMSetup::GetDetectorText(m_setup.U8(logsetup::kDetector), detector);
        Line().Left(12, "Detector:").Left(0, detector).End();
        if (HasSetup()) {
            std::string weighting;
            LOGSetup::FreqWeightingText(m_setup.U8(logsetup::kFreqWeighting), weighting);
            Line().Left(12, "Weighting:").Left(0, weighting).End();
        } else {
            Line().Left(12, "Weighting:").End();
        }

        m_out << std::setprecision(2);
        Exceedance("SPL Exceedance Level 1:", m_setup.F32(logsetup::kSplExceedance1),
                   m_summary.I32(SummaryFields::kSplExceedances1));
        m_out << std::setprecision(0);
        Exceedance("SPL Exceedance Level 2:", m_setup.I16(logsetup::kSplExceedance2),
                   m_summary.I32(SummaryFields::kSplExceedances2));
        Exceedance("Peak-1 Exceedance Level:", m_setup.I16(logsetup::kPeak1Exceedance),
                   m_summary.I32(SummaryFields::kPeak1Exceedances));
        Exceedance("Peak-2 Exceedance Level:", m_setup.I16(logsetup::kPeak2Exceedance),
                   m_summary.I32(SummaryFields::kPeak2Exceedances));
        Line().Left(18, "Hysteresis:").Right(10, m_setup.I16(logsetup::kHysteresis)).AlignLeft().End();
        Line().Left(18, "Overloaded:").Right(10, m_summary.I32(SummaryFields::kOverloads)).AlignLeft().End();
        Line()
            .Left(18, "Pause Count:")
            .Right(10, m_summary.I32(SummaryFields::kPauses))
            .Right(13, "")
            .Left(12, "Pause Time:")
            .Right(10, DurationText(m_summary.F32(SummaryFields::kPausedTime)))
            .AlignLeft()
            .End();
    }

    void Records()
    {
        Line()
            .Left(20, "Interval Records:")
            .Left(21, SwitchStatus(m_setup, SSASetup::IsBit80Set(m_setup.U8(logsetup::kIntervalFlags))))
            .CsvEmpty()
            .Left(26, "Number Interval Records:")
            .Right(10, m_summary.I32(SummaryFields::kIntervalRecords))
            .AlignLeft()
            .End();
        Line()
            .Left(20, "Time History:")
            .Left(21, SwitchStatus(m_setup, SSASetup::IsBit08Set(m_setup.U8(logsetup::kHistoryFlags))))
            .CsvEmpty()
            .Left(26, "Number History Records:")
            .Right(10, m_summary.I32(SummaryFields::kHistoryRecords))
            .AlignLeft()
            .End();
    }

    void Memory()
    {
        const uint32_t size = m_summary.U32(SummaryFields::kMemorySize);
        const uint32_t free = m_summary.U32(SummaryFields::kFreeMemory);
        Line().Left(18, "J57 Memory:").Right(10, size).AlignLeft().End();
        m_out << std::setprecision(2);
        CellLine line = Line();
        line.Left(18, "Free Memory:").Right(10, free).Right(13, "").Left(14, "Percent Free:");
        if (size == 0) {
            // An instrument that reports no memory has no share of it free.
            line.TextOnly(std::ios::right, 6, " --- ").TextOnly(std::ios::left, 0, "  ").CsvOnly(" --- ");
        } else {
            const double percent = static_cast<double>(free) / size * 100.0;
            line.TextOnly(std::ios::right, 6, percent)
                .TextOnly(std::ios::left, 0, "% ")
                .CsvOnly(FormatFixed(percent, 2) + "%");
        }
        line.AlignLeft().End();
        Line()
            .Left(18, "Battery Level:")
            .Right(10, m_summary.Text(SummaryFields::kBattery, SummaryFields::kBatteryLength))
            .Right(13, "")
            .Left(8, "Source:")
            .Left(6, m_summary.Text(SummaryFields::kPowerSource, SummaryFields::kPowerSourceLength))
            .End();
    }

    std::ostream& m_out;
    const bool m_text;
    const RecordView& m_summary;
    const RecordView& m_setup;
    const RecordView& m_system;
    const int m_weighting;
    const int m_peak1;
    const int m_level;
};

}  // namespace

int ReportWriter::WriteLogSummary(std::ostream& out, ExportFormat format, const RecordView& summary,
                                  const RecordView& setup, const RecordView& systemRecord)
{
    if (!Usable(out) || summary.IsEmpty())
        return 1;
    LogSummary(out, IsText(format), summary, setup, systemRecord).Write();
    return 1;
}
