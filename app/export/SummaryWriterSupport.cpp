#include "SummaryWriterSupport.h"

#include <iomanip>
#include <iterator>
#include <sstream>

#include "DirectionText.h"
#include "LOGSetup.h"
#include "ReportNumbers.h"
#include "TimeTexts.h"

std::string LevelCell(float level, int weighting)
{
    std::string letter;
    LOGSetup::FreqWeightingShortText(weighting, letter);
    return LevelText(level) + " dB" + letter;
}

std::string AverageLabel(const RecordView& summary, const MeasurementSet& set)
{
    return summary.Text(set.averageLabel, set.averageLabelLength);
}

std::string CalibrationTimeText(const RecordView& summary, size_t field)
{
    const int32_t stamp = summary.I32(field);
    return stamp > 0 ? DateTimeText(static_cast<uint32_t>(stamp)) : "---";
}

std::string LabelledDecibels(const char* label, float level)
{
    std::ostringstream text;
    CellLine(text, true).Right(6, label).Cell(0, " ").Cell(0, FormatFixed(level, 1, 5)).Cell(0, " dB");
    return text.str();
}

namespace {

void WriteLogCalibrationLines(std::ostream& out, bool text, const RecordView& summary, const RecordView& system)
{
    out << std::setprecision(1);
    const uint32_t calibrated = summary.U32(SummaryFields::kCalibrated);
    const uint32_t checked = summary.U32(SummaryFields::kChecked);
    CellLine(out, text)
        .Left(18, "Calibrated:")
        .Split(std::ios::right, 20, DateTimeText(calibrated), DateText(calibrated))
        .CsvOnly(ClockText(calibrated))
        .Right(10, "Offset:")
        .Right(6, summary.F32(SummaryFields::kCalOffset))
        .Right(3, "dB")
        .AlignLeft()
        .End();
    CellLine(out, text)
        .Left(18, "Checked:")
        .Split(std::ios::right, 20, DateTimeText(checked), DateText(checked))
        .CsvOnly(ClockText(checked))
        .TextOnly(std::ios::right, 3, "")
        .Left(8, "Level:")
        .Right(5, summary.F32(SummaryFields::kCheckLevel))
        .Right(3, "dB")
        .AlignLeft()
        .End();

    // Without a system settings record neither the calibrator nor its
    // level is known: the level stays empty.
    const bool hasSystem = !system.IsEmpty();
    const std::string calibrator = hasSystem ? CalibratorSerial(system) : "not set";
    const std::string level = hasSystem ? FormatFixed(CalibratorLevel(system), 1) : "";
    CellLine line(out, text);
    line.Left(18, "Calibrator:").Left(0, calibrator);
    if (text) {
        line.End();
        CellLine(out, text).Left(17, "Level:").Right(6, level).AlignLeft().End();
    } else {
        line.CsvEmpty().CsvOnly("Level:").CsvOnly(level).End();
    }
    CellLine(out, text).Left(20, "Cal Record Count:").Left(10, summary.I32(SummaryFields::kCalRecords)).End();
}

// "Offset:" or "Level:" with a level in dB: two cells of the text layout,
// one field "%6s %5.1f dB" in CSV.
void CalibrationLevel(CellLine& line, const char* textLabel, const char* csvLabel, float level)
{
    line.TextOnly(std::ios::left, 26, textLabel)
        .TextOnly(std::ios::right, 10, FormatFixed(level, 1, 5) + " dB")
        .CsvOnly(LabelledDecibels(csvLabel, level))
        .AlignLeft();
}

void WriteSsaCalibrationLines(std::ostream& out, bool text, const RecordView& summary, const RecordView& system)
{
    using namespace SummaryFields;
    CellLine calibrated(out, text);
    calibrated.Left(20, "Calibrated:").Left(21, CalibrationTimeText(summary, kCalibrated));
    CalibrationLevel(calibrated, "Offset: ", "Offset: ", summary.F32(kCalOffset));
    calibrated.End();
    CellLine checked(out, text);
    checked.Left(20, "Checked:").Left(21, CalibrationTimeText(summary, kChecked));
    CalibrationLevel(checked, "Level:", "Level: ", summary.F32(kCheckLevel));
    checked.End();
    CellLine calibrator(out, text);
    calibrator.Left(20, "Calibrator");
    if (!system.IsEmpty()) {
        calibrator.Left(21, CalibratorSerial(system));
        CalibrationLevel(calibrator, "Level:", "Level: ", CalibratorLevel(system));
    }
    calibrator.End();
    CellLine(out, text).Left(20, "Cal Records Count:").Left(21, summary.I32(kCalRecords)).End();
    out << std::endl;
}

}  // namespace

void WriteCalibrationLines(std::ostream& out, bool text, const RecordView& summary, const RecordView& system,
                           CalibrationLayout layout)
{
    if (layout == CalibrationLayout::kLog)
        WriteLogCalibrationLines(out, text, summary, system);
    else
        WriteSsaCalibrationLines(out, text, summary, system);
}

void WriteWindLines(std::ostream& out, bool text, const RecordView& summary, const RecordView& setup,
                    const WindSetup& wind)
{
    const float scale = setup.F32(wind.scale);
    const std::string unit = setup.Text(wind.unit, wind.unitLength);
    auto speed = [&unit](float value) { return FormatFixed(value, 1) + " " + unit; };
    const float threshold = static_cast<float>(setup.I16(wind.threshold)) * scale;
    const float exceedanceLevel = static_cast<float>(setup.I16(wind.exceedanceLevel)) * scale;

    constexpr int kLabel = 20, kValue = 10, kSecondLabel = 26;
    CellLine(out, text).Left(kLabel, "Wind Average:").Left(kValue, speed(summary.F32(SummaryFields::kWindAverage))).End();
    CellLine(out, text).Left(kLabel, "Wind Max:").Left(kValue, speed(summary.F32(SummaryFields::kWindMax))).End();
    CellLine(out, text).Left(kLabel, "Max Wind Direction:").Left(kValue, CompassText(summary.I16(SummaryFields::kWindMaxDirection))).End();
    CellLine(out, text)
        .Left(kLabel, "Time at Wind Max:")
        .Left(kValue, NumericDateTimeText(summary.U32(SummaryFields::kWindMaxTime)))
        .End();
    CellLine(out, text)
        .Left(kLabel, "Wind Threshold:")
        .Left(kValue, speed(threshold))
        .Left(kSecondLabel, "Exceed Threshold:")
        .Left(kValue, " " + FormatFixed(summary.F32(SummaryFields::kWindAboveThreshold), 1) + "%")
        .End();
    CellLine(out, text)
        .Split(std::ios::left, kLabel, "Wind Exc. level:", "Wind Exceedance level:")
        .Left(kValue, speed(exceedanceLevel))
        .Left(kSecondLabel, "Num Wind Exc:")
        .Left(kValue, summary.I32(SummaryFields::kWindExceedances))
        .End();

    static const char* const kDirections[] = {" N", "NE", " E", "SE", " S", "SW", " W", "NW"};
    CellLine headings(out, text);
    headings.Split(std::ios::left, kLabel, "Wind Dir. Percent:", "Wind Direction Percentages:");
    for (const char* direction : kDirections)
        headings.Left(kValue, direction);
    headings.End();
    CellLine shares(out, text);
    shares.Split(std::ios::left, kLabel, "", " ");
    for (size_t i = 0; i < std::size(kDirections); ++i)
        shares.Left(kValue, std::to_string(summary.I32(SummaryFields::kWindShares + 4 * i)) + "%");
    shares.End();
    out << std::endl;
}

namespace {

constexpr int kLabelWidth = 14;
constexpr int kCellWidth = 20;
constexpr int kWeightings = 3;

// A row of the block: the label, then each cell right-aligned with two
// blanks after it (the heading row has none after its last cell). The time
// rows and the heading row have a blank label, an empty field in CSV.
void AnyDataRow(std::ostream& out, bool text, const std::string& label, const std::string* cells, int count,
                bool gapAfterLast = true)
{
    CellLine line(out, text);
    const bool blank = label.find_first_not_of(' ') == std::string::npos;
    line.Split(std::ios::left, kLabelWidth, label, blank ? "" : label);
    for (int i = 0; i < count; ++i) {
        line.Right(kCellWidth, cells[i]);
        if (i + 1 < count || gapAfterLast)
            line.TextOnly(std::ios::right, 2, " ");
    }
    line.AlignLeft().End();
}

// Level cells of the three weightings from 3 floats, or from the elements
// of one detector of a weighting-major 3 x 3 table.
void LevelRow(std::ostream& out, bool text, const std::string& label, const RecordView& summary, size_t offset,
              size_t stride)
{
    std::string cells[kWeightings];
    for (int w = 0; w < kWeightings; ++w)
        cells[w] = LevelCell(summary.F32(offset + 4 * stride * static_cast<size_t>(w)), w);
    AnyDataRow(out, text, label, cells, kWeightings);
}

void TimeRow(std::ostream& out, bool text, const RecordView& summary, size_t offset, size_t stride)
{
    std::string cells[kWeightings];
    for (int w = 0; w < kWeightings; ++w)
        cells[w] = DateTimeText(summary.U32(offset + 4 * stride * static_cast<size_t>(w)));
    AnyDataRow(out, text, " ", cells, kWeightings);
}

}  // namespace

void WriteAnyDataBlock(std::ostream& out, bool text, const RecordView& summary, const MeasurementSet& set,
                       const std::string& title, AnyDataStyle style)
{
    if (text || style.csvBareTitle)
        out << title << std::endl;
    else
        CsvField(out, title) << std::endl;

    const uint32_t start = summary.U32(set.start);
    CellLine startLine(out, text);
    startLine.Left(kLabelWidth, "Start Time:");
    if (!text && style.csvSplitStartTime)
        startLine.CsvOnly(DateText(start)).CsvOnly(ClockText(start));
    else
        startLine.Right(kCellWidth, DateTimeText(start)).TextOnly(std::ios::right, 2, " ");
    startLine.AlignLeft().End();
    const std::string elapsed = DurationText(summary.F32(set.elapsed));
    AnyDataRow(out, text, "Elapsed Time:", &elapsed, 1);
    out << std::endl;

    const std::string headings[kWeightings] = {"A Weight", "C Weight", "Flat"};
    AnyDataRow(out, text, "", headings, kWeightings, false);
    LevelRow(out, text, AverageLabel(summary, set) + ":", summary, set.average, 1);
    LevelRow(out, text, "SEL:", summary, set.sel, 1);
    LevelRow(out, text, "Peak:", summary, set.peak, 1);
    TimeRow(out, text, summary, set.peakTimes, 1);

    static const char* const kDetectors[][2] = {{"Lmax (slow):", "Lmin (slow):"},
                                                {"Lmax (fast):", "Lmin (fast):"},
                                                {"Lmax (impulse):", "Lmin (impulse):"}};
    for (size_t d = 0; d < 3; ++d) {
        out << std::endl;
        LevelRow(out, text, kDetectors[d][0], summary, set.lmax + 4 * d, kWeightings);
        TimeRow(out, text, summary, set.lmaxTimes + 4 * d, kWeightings);
        LevelRow(out, text, kDetectors[d][1], summary, set.lmin + 4 * d, kWeightings);
        TimeRow(out, text, summary, set.lminTimes + 4 * d, kWeightings);
    }
    if (style.closingEmptyLine)
        out << std::endl;
}
