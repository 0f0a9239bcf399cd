#include "ThColumns.h"

#include <charconv>
#include <cmath>
#include <iomanip>

#include "DirectionText.h"
#include "ExportCells.h"
#include "ReportNumbers.h"
#include "SetupValueTexts.h"
#include "SummaryWriterSupport.h"
#include "SummaryTableSupport.h"

namespace {
constexpr char kLetters[3] = {'A', 'C', 'F'};

// A detector column of each weighting: which flag byte and bit, its name
// after the weighting letter in the exports and on screen.
struct DetectorDef {
    bool second;
    int bit;
    const char* suffix;
    const char* screenSuffix;
};
constexpr DetectorDef kDetectors[] = {
    {false, 0x80, "-TWA", "-TWA"},         {false, 0x40, "-Peak", "-Peak"},       {false, 0x20, "-MaxSlow", "MaxSlw"},
    {false, 0x10, "-MaxFast", "MaxFst"},   {false, 0x08, "-MaxImpl", "MaxImp"},   {false, 0x04, "-MinSlow", "MinSlw"},
    {false, 0x02, "-MinFast", "MinFst"},   {false, 0x01, "-MinImpl", "MinImp"},   {true, 0x80, "-LivSlow", "LivSlw"},
    {true, 0x40, "-LivFast", "LivFst"},    {true, 0x20, "-LivImpl", "LivImp"},
};

// The auxiliary columns after the detector columns of all three weightings:
// which second flag byte (of A, C or F) and bit, the modes that have them,
// their names, and the text layout's width of the heading in the modes LOG,
// SSA and ZU-Reru (0 unpadded).
enum Modes { kLogMode = 1, kSsaMode = 2, kTalMode = 4, kAllModes = 7 };
struct AuxDef {
    ThColumn::Kind kind;
    int weighting;  // 0 A, 1 C, 2 F
    int bit;
    int modes;
    const char* name;
    const char* screenName;
    int textWidth[3];
};
constexpr AuxDef kAux[] = {
    {ThColumn::kLaftm5, 0, 0x04, kAllModes, "LAFTM5", "LAFTM5", {10, 10, 10}},
    {ThColumn::kWindSpeed, 0, 0x02, kLogMode | kSsaMode, "Wnd Spd(", "Wind ", {10, 10, 10}},
    {ThColumn::kWindDirection, 0, 0x01, kLogMode | kSsaMode, "Wind Dir.", "Wind Dir.", {10, 10, 10}},
    {ThColumn::kLaieq, 2, 0x04, kTalMode, "LAIeq", "LAIeq", {11, 11, 11}},
    {ThColumn::kBattery, 1, 0x04, kAllModes, "Battery", "Battery", {0, 11, 10}},
    {ThColumn::kExternal, 1, 0x02, kAllModes, "Extern", "Extern", {0, 10, 10}},
    {ThColumn::kTemperature, 1, 0x01, kAllModes, "Temp", "Temp", {10, 8, 10}},
};

int ModeBit(ThMode mode) { return 1 << static_cast<int>(mode); }

int FirstByte(const ThColumnFlags& f, int weighting)
{
    return weighting == 0 ? f.a1 : weighting == 1 ? f.c1 : f.f1;
}
int SecondByte(const ThColumnFlags& f, int weighting)
{
    return weighting == 0 ? f.a2 : weighting == 1 ? f.c2 : f.f2;
}

const DetectorDef& Detector(const ThColumn& column)
{
    for (const DetectorDef& d : kDetectors)
        if (d.bit == column.bit && d.second == (column.kind == ThColumn::kLiveDetector))
            return d;
    return kDetectors[0];
}

const AuxDef& Aux(const ThColumn& column)
{
    for (const AuxDef& a : kAux)
        if (a.kind == column.kind)
            return a;
    return kAux[0];
}

bool IsDetector(const ThColumn& column)
{
    return column.kind == ThColumn::kDetector || column.kind == ThColumn::kLiveDetector;
}

// The ZU-Reru mode names its first detector column the weighting's Leq.
bool IsLeq(const ThColumn& column, const ThSetup& setup)
{
    return setup.mode == ThMode::kTal && column.kind == ThColumn::kDetector && column.bit == 0x80;
}

std::string DetectorName(const ThColumn& column, const ThSetup& setup, bool screen)
{
    const std::string letter(1, column.letter);
    if (IsLeq(column, setup))
        return "L" + letter + "eq";
    const DetectorDef& d = Detector(column);
    return letter + (screen ? d.screenSuffix : d.suffix);
}

std::string PadLeft(std::string text, int width)
{
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

// A number with one decimal as a stream in the fixed format prints it.
std::string OneDecimalToEven(float value)
{
    char digits[64];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, static_cast<double>(value),
                                   std::chars_format::fixed, 1);
    return ec == std::errc() ? std::string(digits, end) : std::string();
}

std::string Level(float value) { return FormatReportNumber(value, 1, 0); }
}  // namespace

ThSetup::ThSetup(const RecordView& setup, ThMode m) : mode(m), empty(setup.IsEmpty())
{
    switch (mode) {
    case ThMode::kLog:
        otherLevel = setup.I16(LogSetupFields::kOtherLevel);
        flags = ThColumnFlags::Read(setup, LogSetupFields::kThFlags);
        windScale = setup.F32(LogSetupFields::kWindScale);
        windUnits = setup.Text(LogSetupFields::kWindUnits, LogSetupFields::kWindUnitsLength);
        directionUnits = setup.U8(LogSetupFields::kDirectionUnits);
        break;
    case ThMode::kSsa:
        otherLevel = setup.I16(SsaSetupFields::kOtherLevel);
        flags = ThColumnFlags::Read(setup, SsaSetupFields::kThFlags);
        windScale = setup.F32(SsaSetupFields::kWindScale);
        windUnits = setup.Text(SsaSetupFields::kWindUnits, SsaSetupFields::kWindUnitsLength);
        directionUnits = setup.U8(SsaSetupFields::kDirectionUnits);
        break;
    case ThMode::kTal:
        otherLevel = setup.I16(TalSetupFields::kOtherLevel);
        flags = ThColumnFlags::Read(setup, TalSetupFields::kThFlags);
        break;
    }
}

std::vector<ThColumn> ThAdvancedColumns(const ThSetup& setup)
{
    std::vector<ThColumn> columns;
    for (int w = 0; w < 3; ++w)
        for (const DetectorDef& d : kDetectors)
            if (IsFlagSet(d.second ? SecondByte(setup.flags, w) : FirstByte(setup.flags, w), d.bit))
                columns.push_back({d.second ? ThColumn::kLiveDetector : ThColumn::kDetector, kLetters[w], d.bit});
    for (const AuxDef& a : kAux)
        if ((a.modes & ModeBit(setup.mode)) && IsFlagSet(SecondByte(setup.flags, a.weighting), a.bit))
            columns.push_back({a.kind, ' ', a.bit});
    return columns;
}

int ThFlagBitCount(const ThSetup& setup)
{
    int count = 0;
    for (int w = 0; w < 3; ++w)
        count += CountFlagBits(FirstByte(setup.flags, w)) + CountFlagBits(SecondByte(setup.flags, w));
    return count;
}

std::string ThScreenHeading(const ThColumn& column, const ThSetup& setup)
{
    if (IsDetector(column))
        return DetectorName(column, setup, true);
    std::string heading = Aux(column).screenName;
    if (column.kind == ThColumn::kWindSpeed)
        heading += setup.windUnits;
    return heading;
}

std::string ThTextHeading(const ThColumn& column, const ThSetup& setup)
{
    if (IsDetector(column))
        return PadLeft(DetectorName(column, setup, false), 10);
    const AuxDef& aux = Aux(column);
    std::string heading = PadLeft(aux.name, aux.textWidth[static_cast<int>(setup.mode)]);
    if (column.kind == ThColumn::kWindSpeed)
        heading += setup.windUnits + ")";
    return heading;
}

std::string ThCsvHeading(const ThColumn& column, const ThSetup& setup)
{
    if (IsDetector(column))
        return DetectorName(column, setup, false);
    std::string heading = Aux(column).name;
    if (column.kind == ThColumn::kWindSpeed)
        heading += setup.windUnits + ")";
    return heading;
}

std::string ThValue(const ThColumn& column, const ThRec& record, const ThSetup& setup, ThReadings readings)
{
    if (!record.HasDetectorLevels())
        return {};
    auto reading = [&](float value) {
        switch (readings) {
        case ThReadings::kLevels: return Level(value);
        case ThReadings::kOneDecimal: return FormatFixed(value, 1);
        case ThReadings::kOneDecimalToEven: return OneDecimalToEven(value);
        case ThReadings::kTwoDecimals: return FormatFixed(value, 2);
        }
        return std::string();
    };
    switch (column.kind) {
    case ThColumn::kDetector: return Level(record.GetDetectorLevel(column.bit, column.letter));
    case ThColumn::kLiveDetector: return Level(record.GetDetectorLevel2(column.bit, column.letter));
    case ThColumn::kLaftm5: return Level(record.GetAuxA(4));
    case ThColumn::kWindSpeed: return FormatFixed(record.GetAuxA(2) * setup.windScale, 1);
    case ThColumn::kWindDirection: {
        const float raw = record.GetAuxA(1);
        // A reading outside the 16-bit range has no direction to show.
        const int direction = (std::isfinite(raw) && std::fabs(raw) < 32768.0f) ? static_cast<int>(raw) : 0;
        return FormatDirectionText(direction, setup.directionUnits);
    }
    case ThColumn::kLaieq: return Level(record.GetAuxF(4));
    case ThColumn::kBattery: return reading(record.GetAuxC(4));
    case ThColumn::kExternal: return reading(record.GetAuxC(2));
    case ThColumn::kTemperature: return reading(record.GetAuxC(1));
    }
    return {};
}

std::string ThOtherLevelHeading(const ThSetup& setup)
{
    std::string heading;
    return LOGValueTexts::OtherLevelText(setup.otherLevel, heading);
}

std::string ThOtherLevel(const ThRec& record)
{
    return record.HasSecondLevel() ? Level(record.GetSecondValue()) : std::string();
}

ThSpectrum ThChosenSpectrum(const ThSetup& setup)
{
    if (IsFlagSet(setup.flags.f2, 0x02))
        return ThSpectrum::kLeq;
    return IsFlagSet(setup.flags.f2, 0x01) ? ThSpectrum::kLive : ThSpectrum::kNone;
}

const char* ThSpectrumTitle(ThSpectrum spectrum, bool octaves)
{
    if (spectrum == ThSpectrum::kLeq)
        return octaves ? "RTA Leq 1/1 Spectrum" : "RTA Leq 1/3 Spectrum";
    return octaves ? "RTA Live 1/1 Spectrum" : "RTA Live 1/3 Spectrum";
}

std::string ThBandHeading(int band)
{
    std::string name;
    return band == 0 ? "12.5Hz" : SSAValueTexts::BandName(band, name);
}

float ThBandLevel(const ThRec& record, ThSpectrum spectrum, int band)
{
    return spectrum == ThSpectrum::kLeq ? record.GetLeqBand(band) : record.GetLiveBand(band);
}

std::string ThRunStopText(const ThRec& record, const RecordView& parameters)
{
    std::string state, cause;
    record.GetStateText(state);
    record.GetCauseText(cause);
    const int code = static_cast<int16_t>(record.GetCauseCode());
    if (state == "Mark")
        state = MarkLabel(code);
    return state + ":" + CauseLabel(code, cause, parameters);
}

void WriteThHeadingStart(std::ostream& out, bool text)
{
    CellLine(out, text).Cell(9, "Rec #").Cell(12, "Date").Cell(12, "Time").AlignRight().Cell(6, "Leq");
}

void WriteThRows(std::ostream& out, bool text, const ThMgr& history, const RecordView& parameters,
                 const std::function<void(const ThRec&)>& levelCells)
{
    for (int i = 0; i < history.GetCount(); ++i) {
        const ThRec* record = history.GetAt(i);
        if (!record)
            continue;
        CellLine row(out, text);
        row.Cell(9, record->GetRecordNumber())
            .Cell(12, DateText(record->GetTime()))
            .Cell(12, ClockText(record->GetTime()));
        if (record->IsLevelSample())
            levelCells(*record);
        else
            row.Cell(0, ThRunStopText(*record, parameters));
        // Left alignment again for the next row, added to the flags as the
        // level cells leave them.
        if (text)
            out << std::setiosflags(std::ios::left);
        row.End();
    }
}
