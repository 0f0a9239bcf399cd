#include "ThColumns.h"

#include <cmath>
#include <iomanip>

#include "DirectionText.h"
#include "ExportFields.h"
#include "ReportNumbers.h"
#include "SetupValueTexts.h"
#include "SummaryWriterSupport.h"
#include "SummaryTableSupport.h"

namespace {
constexpr char kLetters[3] = {'A', 'C', 'F'};

struct DetectorBit {
    bool second;
    int bit;
    const char* suffix;
};
constexpr DetectorBit kDetectorBits[] = {
    {false, 0x80, "-TWA"},    {false, 0x40, "-Peak"},    {false, 0x20, "-MaxSlow"}, {false, 0x10, "-MaxFast"},
    {false, 0x08, "-MaxImpl"}, {false, 0x04, "-MinSlow"}, {false, 0x02, "-MinFast"}, {false, 0x01, "-MinImpl"},
    {true, 0x80, "-LivSlow"},  {true, 0x40, "-LivFast"},  {true, 0x20, "-LivImpl"},
};

struct AuxBit {
    int weighting;  // 0 A, 1 C: whose second byte
    int bit;
    ThColumn::Kind kind;
};
constexpr AuxBit kAuxBits[] = {
    {0, 0x04, ThColumn::kLaftm5},  {0, 0x02, ThColumn::kWindSpeed}, {0, 0x01, ThColumn::kWindDirection},
    {1, 0x04, ThColumn::kBattery}, {1, 0x02, ThColumn::kExternal},  {1, 0x01, ThColumn::kTemperature},
};
const char* const kAuxCsv[] = {"LAFTM5", "Wnd Spd(", "Wind Dir.", "Battery", "Extern", "Temp"};

int AuxIndex(ThColumn::Kind kind)
{
    return static_cast<int>(kind) - static_cast<int>(ThColumn::kLaftm5);
}
}  // namespace

ThSetup::ThSetup(const RecordView& setup, const ThSetupFields& f)
    : otherLevel(setup.I16(f.otherLevel)),
      windScale(setup.F32(f.windScale)),
      windUnits(setup.Text(f.windUnits, f.windUnitsLength)),
      directionUnits(setup.U8(f.directionUnits))
{
    const ThColumnFlags flags = ThColumnFlags::Read(setup, f.flags);
    first[0] = flags.a1;
    first[1] = flags.c1;
    first[2] = flags.f1;
    second[0] = flags.a2;
    second[1] = flags.c2;
    second[2] = flags.f2;
}

std::vector<ThColumn> ThAdvancedColumns(const ThSetup& setup)
{
    std::vector<ThColumn> columns;
    for (int w = 0; w < 3; ++w)
        for (const DetectorBit& d : kDetectorBits)
            if (IsFlagSet(d.second ? setup.second[w] : setup.first[w], d.bit))
                columns.push_back({d.second ? ThColumn::kLiveDetector : ThColumn::kDetector, kLetters[w], d.bit,
                                   d.suffix});
    for (const AuxBit& a : kAuxBits)
        if (IsFlagSet(setup.second[a.weighting], a.bit))
            columns.push_back({a.kind, ' ', a.bit, ""});
    return columns;
}

std::string ThTextHeading(const ThColumn& column, const ThSetup& setup, const char* const (&auxText)[6])
{
    if (column.kind == ThColumn::kDetector || column.kind == ThColumn::kLiveDetector) {
        const std::string letter(1, column.letter);
        if (column.kind == ThColumn::kDetector && column.bit == 0x80)
            return "     " + letter + column.suffix;
        if (column.kind == ThColumn::kDetector && column.bit == 0x40)
            return "    " + letter + column.suffix;
        return " " + letter + column.suffix;
    }
    std::string heading = auxText[AuxIndex(column.kind)];
    if (column.kind == ThColumn::kWindSpeed)
        heading += setup.windUnits + ")";
    return heading;
}

std::string ThCsvHeading(const ThColumn& column, const ThSetup& setup)
{
    if (column.kind == ThColumn::kDetector || column.kind == ThColumn::kLiveDetector)
        return std::string(1, column.letter) + column.suffix;
    std::string heading = kAuxCsv[AuxIndex(column.kind)];
    if (column.kind == ThColumn::kWindSpeed)
        heading += setup.windUnits + ")";
    return heading;
}

std::string ThValue(const ThColumn& column, const ThRec& record, const ThSetup& setup, bool auxAsLevels)
{
    if (!record.HasDetectorLevels())
        return {};
    auto aux = [&](float value) { return auxAsLevels ? FormatReportNumber(value, 1, 0) : FormatFixed(value, 1); };
    switch (column.kind) {
    case ThColumn::kDetector: return FormatReportNumber(record.GetDetectorLevel(column.bit, column.letter), 1, 0);
    case ThColumn::kLiveDetector:
        return FormatReportNumber(record.GetDetectorLevel2(column.bit, column.letter), 1, 0);
    case ThColumn::kLaftm5: return FormatReportNumber(record.GetAuxA(4), 1, 0);
    case ThColumn::kWindSpeed: return FormatFixed(record.GetAuxA(2) * setup.windScale, 1);
    case ThColumn::kWindDirection: {
        const float raw = record.GetAuxA(1);
        // A reading outside the 16-bit range has no direction to show.
        const int direction = (std::isfinite(raw) && std::fabs(raw) < 32768.0f) ? static_cast<int>(raw) : 0;
        return FormatDirectionText(direction, setup.directionUnits);
    }
    case ThColumn::kBattery: return aux(record.GetAuxC(4));
    case ThColumn::kExternal: return aux(record.GetAuxC(2));
    case ThColumn::kTemperature: return aux(record.GetAuxC(1));
    }
    return {};
}

std::string ThOtherLevel(const ThRec& record)
{
    return record.HasSecondLevel() ? FormatReportNumber(record.GetSecondValue(), 1, 0) : std::string();
}

void WriteThHeadingStart(std::ostream& out, bool text)
{
    if (!text) {
        for (const char* heading : {"Rec #", "Date", "Time", "Leq"})
            CsvField(out, heading);
        return;
    }
    out << std::setw(9) << "Rec #" << std::setw(12) << "Date" << std::setw(12) << "Time";
    out << std::resetiosflags(std::ios::left) << std::setw(6) << "Leq";
}

namespace {

void WriteThRunStop(std::ostream& out, bool text, const ThRec& record, const RecordView& parameters)
{
    std::string state, cause;
    record.GetStateText(state);
    record.GetCauseText(cause);
    const int code = static_cast<int16_t>(record.GetCauseCode());
    if (state == "Mark")
        state = MarkLabel(code);
    const std::string cell = state + ":" + CauseLabel(code, cause, parameters);
    if (text)
        out << cell;
    else
        CsvField(out, cell);
}

}  // namespace

void WriteThRows(std::ostream& out, bool text, const ThMgr& history, const RecordView& parameters,
                 const std::function<void(const ThRec&)>& levelCells)
{
    for (int i = 0; i < history.GetCount(); ++i) {
        const ThRec* record = history.GetAt(i);
        if (!record)
            continue;
        const std::string cells[] = {std::to_string(record->GetRecordNumber()), DateText(record->GetTime()),
                                     ClockText(record->GetTime())};
        if (text)
            out << std::setw(9) << cells[0] << std::setw(12) << cells[1] << std::setw(12) << cells[2];
        else
            for (const std::string& cell : cells)
                CsvField(out, cell);
        if (record->IsLevelSample())
            levelCells(*record);
        else
            WriteThRunStop(out, text, *record, parameters);
        if (text)
            out << std::setiosflags(std::ios::left);
        out << std::endl;
    }
}
